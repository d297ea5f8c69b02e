// Not a test: renders the catalogue tabs and the stock detail window with the reference server's
// demo data into docs/screens/.
#include "catalogue/resimalani.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/stoklistesi.h"
#include "catalogue/tutaredit.h"
#include "catalogue/urunlistesi.h"
#include "platform/dataset/clientdataset.h"
#include "platform/grid/gridview.h"
#include "platform/system/screen.h"
#include "server/proxim.h"
#include "tests/catalogue/testhost.h"
#include "tests/support/appserverfixture.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>

namespace {

void save(QWidget *widget, const QString &folder, const QString &name)
{
    const QString path = folder + QLatin1Char('/') + name;
    widget->grab().save(path);
    qInfo("%s", qPrintable(path));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screens");
    QDir().mkpath(folder);
    AppServerFixture server;
    if (!server.isRunning())
        return 1;
    TestHost host;
    host.bagc.setHostName(server.host());
    host.bagc.setPort(server.port());
    {
        TSQLConnection login;
        login.setHostName(server.host());
        login.setPort(server.port());
        login.Open();
        TServerMethods1Client proxy(login);
        host.sbilgi = *proxy.BuyukGetir(QStringLiteral("DEMO-BAYI"));
    }
    host.window()->resize(1342, 720);
    host.window()->show();
    host.tabs->setCurrentWidget(host.sheet("sstoklistesi"));

    StokListesi stok(host, host.sheet("sstoklistesi"), nullptr, nullptr);
    stok.KullaniciTipiUygula(host.sbilgi.MusteriTipi());
    QSignalSpy done(&stok, &StokListesi::aramaBitti);
    host.araedit->setText(QStringLiteral("FILTRE"));
    stok.araeditEnter();
    done.wait(20000);
    QApplication::processEvents();
    stok.StokEnIyile();
    stok.cxGrid1DBTableView1()->setFocusedRecord(1);
    save(host.window(), folder, QStringLiteral("stoklistesi.png"));
    host.window()->resize(1100, 720);
    QApplication::processEvents();
    stok.StokEnIyile();
    save(host.window(), folder, QStringLiteral("stoklistesi_dar.png"));
    host.window()->resize(1342, 720);
    QApplication::processEvents();

    setScreenWidthOverride(1366);
    for (auto [tur, sheet, name] :
         {std::tuple{UrunListesi::Tur::Yeniler, "syeniler", "yenistoklar.png"},
          std::tuple{UrunListesi::Tur::Kampanyali, "skampanyali", "kampanyali.png"}}) {
        UrunListesi tab(tur, host, host.sheet(sheet), nullptr);
        tab.KullaniciTipiUygula(host.sbilgi.MusteriTipi());
        QSignalSpy loaded(&tab, &UrunListesi::yuklemeBitti);
        host.tabs->setCurrentWidget(host.sheet(sheet));
        loaded.wait(20000);
        QApplication::processEvents();
        tab.EnIyile();
        save(host.window(), folder, QString::fromLatin1(name));
    }

    // The detail window as the basket fills it for a stock-list row with a picture.
    TClientDataSet *rows = stok.stok();
    rows->First();
    while (!rows->Eof() && rows->FieldByName(QStringLiteral("RESIM"))->AsInteger() != 1)
        rows->Next();
    Tstokayarinti w(host.window());
    ResimGetir(host.bagc, rows->FieldByName(QStringLiteral("STOK_STOKNO"))->AsInteger(), w.Image1);
    w.barkod->setText(rows->FieldByName(QStringLiteral("BARKOD"))->AsString());
    w.adi->setText(rows->FieldByName(QStringLiteral("ADI"))->AsString());
    w.finishkod->setText(rows->FieldByName(QStringLiteral("FINISHKOD"))->AsString());
    w.marka->setText(rows->FieldByName(QStringLiteral("MARKA"))->AsString());
    w.model->setText(rows->FieldByName(QStringLiteral("MODEL"))->AsString());
    w.birimfiyat->setValue(rows->FieldByName(QStringLiteral("FIYAT"))->AsFloat());
    w.indtutar->setValue(rows->FieldByName(QStringLiteral("NETFIYAT"))->AsFloat());
    w.indirimoran->setText(rows->FieldByName(QStringLiteral("INDIRIMYAZI"))->AsString());
    w.kdvdahiltutar->setValue(rows->FieldByName(QStringLiteral("KDVDAHIL"))->AsFloat());
    w.kdvlifiyat = rows->FieldByName(QStringLiteral("KDVDAHIL"))->AsFloat();
    w.show();
    QApplication::processEvents();
    w.adet->setValue(3);
    save(&w, folder, QStringLiteral("stokayarinti.png"));
    return 0;
}

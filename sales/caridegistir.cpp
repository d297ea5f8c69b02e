#include "sales/caridegistir.h"

#include "app/core/mainwindowhost.h"
#include "sales/seccariu.h"

#include <QLineEdit>

void CariDegistir(MainWindowHost &host)
{
    {
        Tseccari seccari(host.window(), host.connection(), host.session());
        seccari.SepetSayisiYaz();
        seccari.TusSonuclari();
        seccari.exec();
    }
    CariDegisti(host);
}

void CariDegisti(MainWindowHost &host)
{
    host.basliklariYenile();
    host.sepetiYenile();
    host.stokListesiniBosalt();
    if (QWidget *stokListesi = host.tabSheet(QStringLiteral("sstoklistesi"))) {
        host.setTabCaption(stokListesi, QStringLiteral("0=Stok Listesi"));
        host.activateTab(stokListesi);
    }
    if (QLineEdit *arama = host.searchBox()) {
        arama->selectAll();
        arama->setFocus();
    }
}

bool GiristeCariSec(QWidget *owner, TSQLConnection &bag, TSonucBilgisi &bilgi)
{
    Tseccari seccari(owner, bag, bilgi);
    seccari.SepetSayisiYaz();
    seccari.TusSonuclari();
    return seccari.exec() == QDialog::Accepted;
}

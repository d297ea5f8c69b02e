#include "app/core/mesajdialog.h"
#include "app/core/utils.h"
#include "basket/baskettab.h"
#include "basket/onaysipu.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/tutaredit.h"
#include "platform/grid/gridcolumn.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/system/sounds.h"
#include "server/proxim.h"
#include "tests/basket/baskethost.h"
#include "tests/platform/xls/freexlreader.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kTamam = TMesajDialog::buttonCaption(mbOK);

// What the fake detail window saw and answers.
struct FakeDetail
{
    QList<StokDetayDegerleri> shown;
    std::optional<DetayCevabi> answer;
};

} // namespace

class BasketTabTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AppServerFixture> m_server;
    std::unique_ptr<BasketHost> m_host;
    std::unique_ptr<BasketTab> m_tab;
    FakeDetail m_detail;

    void login(const QString &user, int carino = 0)
    {
        QVERIFY(m_server->registerComputer(QStringLiteral("TEST-PC"), user));
        TSQLConnection &c = m_host->bagc;
        c.Open();
        {
            TServerMethods1Client p(c);
            const std::optional<TSonucBilgisi> s = p.BuyukGetir(QStringLiteral("TEST-PC"));
            QVERIFY(s.has_value());
            m_host->sbilgi = *s;
        }
        c.Close();
        if (carino)
            m_host->sbilgi.setCARINO(carino);
    }

    void makeTab()
    {
        if (m_tab) { // a fresh sheet for a second tab object
            m_tab.reset();
            const int index = m_host->tabs->indexOf(m_host->sheet);
            m_host->tabs->removeTab(index);
            delete m_host->sheet;
            m_host->sheet = new QWidget;
            m_host->sheet->setObjectName(QStringLiteral("ssepet"));
            m_host->tabs->insertTab(index, m_host->sheet, QStringLiteral("Sepet"));
        }
        m_tab = std::make_unique<BasketTab>(*m_host, m_host->sheet, m_host->popup);
    }

    void showBasket()
    {
        m_host->m_window.show();
        m_host->tabs->setCurrentWidget(m_host->sheet);
        QTRY_VERIFY(m_host->tabCaption(m_host->sheet) != QStringLiteral("Sepet"));
    }

    int calls(const QString &method) const
    {
        const QString prefix = QStringLiteral("TServerMethods1.") + method + QLatin1Char(' ');
        int n = 0;
        for (const QString &line : m_server->logLines())
            n += line.startsWith(prefix) ? 1 : 0;
        return n;
    }

    QList<QVariantList> serverBasket(int carino = 101) const
    {
        return m_server->query(
            QStringLiteral(
                "SELECT SIRANO, SEC, MIKTAR, STOKNO, BIRIMFIYAT FROM SEPET WHERE CARINO = ? ORDER BY SIRANO"),
            {carino});
    }

    QString label(const char *name) const
    {
        return m_host->sheet->findChild<QLabel *>(QLatin1String(name))->text();
    }
    QPushButton *button(const char *name) const
    {
        return m_host->sheet->findChild<QPushButton *>(QLatin1String(name));
    }
    QPlainTextEdit *note() const
    {
        return m_host->sheet->findChild<QPlainTextEdit *>(QStringLiteral("aciklamagir"));
    }

    // A stock of the catalogue that account 101 does not have in its basket.
    QVariantMap newStockRow()
    {
        const QList<QVariantList> rows = m_server->query(QStringLiteral(
            "SELECT STOKNO, BARKOD, ADI, KDV, LISTEFIYAT FROM STOK WHERE KAMPFIYAT = 0 AND STOKNO NOT IN "
            "(SELECT STOKNO FROM SEPET WHERE CARINO = 101) ORDER BY STOKNO LIMIT 1"));
        if (rows.isEmpty())
            return {};
        const QVariantList &r = rows.first();
        return {{"STOK_STOKNO", r[0]}, {"BARKOD", r[1]},   {"ADI", r[2]},        {"MARKA", "M"},
                {"FINISHKOD", "F"},    {"MODEL", "X"},     {"KDV", r[3]},        {"FIYAT", r[4]},
                {"NETFIYAT", r[4]},    {"KDVDAHIL", r[4]}, {"INDIRIMYAZI", "0"}, {"K", 0},
                {"IND1", 0.0},         {"IND2", 0.0},      {"IND3", 0.0},        {"IND4", 0.0}};
    }

    void tickOnServer(int sec) { m_server->query(QStringLiteral("UPDATE SEPET SET SEC = ?"), {sec}); }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([](SystemSound) {});
        setRetryWait([](int) {});
        BasketTab::setDetayPenceresi([this](QWidget *, TSQLConnection &, const StokDetayDegerleri &d) {
            m_detail.shown << d;
            return m_detail.answer;
        });
    }

    void init()
    {
        m_server = std::make_unique<AppServerFixture>(300);
        QVERIFY2(m_server->isRunning(), qPrintable(m_server->errorString()));
        m_host = std::make_unique<BasketHost>(m_server->host(), m_server->port());
        m_detail = {};
        login(QStringLiteral("BAYI"));
        tickOnServer(0);
        makeTab();
    }

    void cleanup()
    {
        m_tab.reset();
        m_host.reset();
        m_server.reset();
    }

    void columnsByUserType_data()
    {
        QTest::addColumn<int>("tip");
        QTest::addColumn<bool>("durum");
        QTest::addColumn<bool>("kalan");
        QTest::newRow("sales staff") << 1 << true << true;
        QTest::newRow("manager") << 2 << true << true;
        QTest::newRow("dealer") << 3 << false << false;
        QTest::newRow("dealer without campaigns") << 4 << true << false;
    }

    void columnsByUserType()
    {
        QFETCH(int, tip);
        m_host->sbilgi.setMusteriTipi(tip);
        makeTab();
        GridView *grid = m_tab->grid();
        GridColumn *durum = grid->columnByField(QStringLiteral("DURUM"));
        GridColumn *kalan = grid->columnByField(QStringLiteral("KALAN"));
        QTEST(durum->Visible(), "durum");
        QTEST(durum->VisibleForCustomization(), "durum");
        QTEST(kalan->Visible(), "kalan");
        QTEST(kalan->VisibleForCustomization(), "kalan");
        QCOMPARE(kalan->Caption(), QStringLiteral("Kalan"));

        GridColumn *sec = grid->columnByField(QStringLiteral("SEC"));
        QCOMPARE(sec->Caption(), QStringLiteral("Seç"));
        QCOMPARE(sec->kind(), GridCellKind::CheckBox);
        QVERIFY(sec->Visible() && !sec->VisibleForCustomization());
        GridColumn *sirano = grid->columnByField(QStringLiteral("SIRANO"));
        QVERIFY(!sirano->Visible() && !sirano->VisibleForCustomization());
        GridColumn *marka = grid->columnByField(QStringLiteral("MARKA"));
        QVERIFY(!marka->Visible() && marka->VisibleForCustomization());
        QCOMPARE(grid->columnByField(QStringLiteral("STOKADI"))->Tag(), 3);
        QCOMPARE(grid->columnByField(QStringLiteral("BARKOD"))->Tag(), 2);
        QCOMPARE(grid->rowHeight(), 60);
        QCOMPARE(grid->headerHeight(), 40);
        QVERIFY(grid->readOnly());
    }

    void loadShowsCountFooterAndZeroTotals()
    {
        showBasket();
        QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("3=Sepet"));
        QCOMPARE(calls(QStringLiteral("SepetVer2")), 1);
        GridView *grid = m_tab->grid();
        const QList<QVariantList> lines = m_server->query(
            QStringLiteral("SELECT SUM(MIKTAR), SUM(NETTUTAR) FROM SEPET WHERE CARINO = 101"));
        QCOMPARE(grid->footerText(grid->columnByField(QStringLiteral("VERILISTARIHI"))), QStringLiteral("3"));
        QCOMPARE(grid->footerText(grid->columnByField(QStringLiteral("MIKTAR"))),
                 QLocale().toString(lines[0][0].toDouble(), 'f', 2));
        QVERIFY(grid->footerText(grid->columnByField(QStringLiteral("NETTUTAR"))) != QStringLiteral("0,00"));
        for (const char *name : {"aratoplaml", "indiriml", "nettutarl", "vergil", "geneltoplaml"})
            QCOMPARE(label(name), QStringLiteral("0,00"));
        QCOMPARE(m_tab->sepet().FieldByName(QStringLiteral("NETTUTAR"))->DisplayFormat(),
                 QStringLiteral("#,###,##0.00"));
    }

    void emptyBasketCaption()
    {
        m_server->query(QStringLiteral("DELETE FROM SEPET WHERE CARINO = 101"));
        showBasket();
        QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("0=Sepet"));
        QCOMPARE(label("geneltoplaml"), QStringLiteral("0,00"));
    }

    void warningRefetchedOnEachShow()
    {
        TSQLConnection &c = m_host->bagc;
        c.Open();
        QString expected;
        {
            TServerMethods1Client p(c);
            expected = p.CariVadeGunGecmismiBul(101);
        }
        c.Close();
        QVERIFY(!expected.isEmpty());
        const int before = calls(QStringLiteral("CariVadeGunGecmismiBul"));
        showBasket();
        QTRY_COMPARE(label("lbluyarbakiye"), expected);
        QCOMPARE(calls(QStringLiteral("CariVadeGunGecmismiBul")), before + 1);

        m_host->tabs->setCurrentWidget(m_host->first);
        m_host->sheet->findChild<QLabel *>(QStringLiteral("lbluyarbakiye"))->setText(QStringLiteral("ESKİ"));
        m_host->tabs->setCurrentWidget(m_host->sheet);
        QTRY_COMPARE(calls(QStringLiteral("CariVadeGunGecmismiBul")), before + 2);
        QTRY_COMPARE(label("lbluyarbakiye"), expected);
    }

    void selectAllAndNone_data()
    {
        QTest::addColumn<bool>("searchEnabled");
        QTest::newRow("search box enabled") << true;
        QTest::newRow("search box disabled") << false;
    }

    void selectAllAndNone()
    {
        QFETCH(bool, searchEnabled);
        showBasket();
        QApplication::setActiveWindow(&m_host->m_window);
        m_host->araedit->setEnabled(searchEnabled);
        m_host->tabs->setCurrentWidget(m_host->sheet);
        m_tab->grid()->tableView()->setFocus();
        QTRY_VERIFY(m_tab->grid()->tableView()->hasFocus());
        const int before = calls(QStringLiteral("SepetSecimGuncelle"));

        button("Button4")->click();
        QCOMPARE(calls(QStringLiteral("SepetSecimGuncelle")), before + 3);
        for (const QVariantList &line : serverBasket())
            QCOMPARE(line[1].toInt(), 1);
        const QList<QVariantList> sums = m_server->query(
            QStringLiteral("SELECT SUM(TUTAR), SUM(INDIRIMTUTAR) FROM SEPET WHERE CARINO = 101"));
        QCOMPARE(label("aratoplaml"), QLocale().toString(sums[0][0].toDouble(), 'f', 2));
        QVERIFY(label("geneltoplaml") != QStringLiteral("0,00"));
        QCOMPARE(calls(QStringLiteral("SepetVer2")), 1); // not reloaded
        if (searchEnabled) {
            QVERIFY(m_host->araedit->hasFocus());
            QCOMPARE(m_host->araedit->selectedText(), QStringLiteral("YAG"));
        } else {
            QVERIFY(m_tab->grid()->tableView()->hasFocus());
        }

        button("Button5")->click();
        QCOMPARE(calls(QStringLiteral("SepetSecimGuncelle")), before + 6);
        for (const QVariantList &line : serverBasket())
            QCOMPARE(line[1].toInt(), 0);
        QCOMPARE(label("geneltoplaml"), QStringLiteral("0,00"));
    }

    void doubleClickOnSecTogglesLine()
    {
        showBasket();
        GridView *grid = m_tab->grid();
        QTableView *view = grid->tableView();
        const int secColumn = grid->indexOf(grid->columnByField(QStringLiteral("SEC")));
        const QModelIndex index = view->model()->index(0, secColumn);
        const QPoint at = view->visualRect(index).center();
        view->setCurrentIndex(index);
        const int record = grid->focusedRecord();
        QVERIFY(record >= 0);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(grid->focusedRecord(), record); // the totals pass leaves the focus on the line
        const int sirano =
            m_tab->sepet().value(record, m_tab->sepet().fieldIndex(QStringLiteral("SIRANO"))).toInt();
        QCOMPARE(m_tab->sepet().value(record, m_tab->sepet().fieldIndex(QStringLiteral("SEC"))).toInt(), 1);
        QCOMPARE(
            m_server->query(QStringLiteral("SELECT SEC FROM SEPET WHERE SIRANO = ?"), {sirano})[0][0].toInt(),
            1);
        const double tutar =
            m_tab->sepet().value(record, m_tab->sepet().fieldIndex(QStringLiteral("TUTAR"))).toDouble();
        QCOMPARE(label("aratoplaml"), QLocale().toString(tutar, 'f', 2));
        QVERIFY(m_detail.shown.isEmpty());
        QCOMPARE(calls(QStringLiteral("SepetVer2")), 1);

        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(
            m_server->query(QStringLiteral("SELECT SEC FROM SEPET WHERE SIRANO = ?"), {sirano})[0][0].toInt(),
            0);
        QCOMPARE(label("aratoplaml"), QStringLiteral("0,00"));
    }

    void doubleClickOnOtherCellEditsLine()
    {
        showBasket();
        GridView *grid = m_tab->grid();
        QTableView *view = grid->tableView();
        const int column = grid->indexOf(grid->columnByField(QStringLiteral("STOKADI")));
        const QPoint at = view->visualRect(view->model()->index(1, column)).center();
        view->setCurrentIndex(view->model()->index(1, column));
        const int record = grid->focusedRecord();
        const int sirano =
            m_tab->sepet().value(record, m_tab->sepet().fieldIndex(QStringLiteral("SIRANO"))).toInt();
        const double miktar =
            m_tab->sepet().value(record, m_tab->sepet().fieldIndex(QStringLiteral("MIKTAR"))).toDouble();
        m_detail.answer = DetayCevabi{QStringLiteral("7"), 1.0};
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_detail.shown.size(), 1);
        QCOMPARE(m_detail.shown[0].adet, double(qlonglong(miktar)));
        QVERIFY(!m_detail.shown[0].fiyatDegisir);
        QCOMPARE(calls(QStringLiteral("SepetGuncelle2")), 1);
        QCOMPARE(m_server->query(QStringLiteral("SELECT MIKTAR FROM SEPET WHERE SIRANO = ?"), {sirano})[0][0]
                     .toDouble(),
                 7.0);
        QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("3=Sepet"));
    }

    void itemAlreadyInBasketEditsItsLine()
    {
        const QVariantList first = serverBasket().first();
        QVariantMap row = newStockRow();
        row["STOK_STOKNO"] = first[3];
        m_detail.answer = DetayCevabi{QStringLiteral("5"), 999.0};
        m_tab->katalogdanEkle(row, SepetKaynagi::StokListesi); // the basket was never loaded
        QCOMPARE(m_detail.shown.size(), 1);
        QCOMPARE(m_detail.shown[0].adet, first[2].toDouble());
        QCOMPARE(m_detail.shown[0].fiyatBasligi, QStringLiteral("Fiyat:"));
        QCOMPARE(calls(QStringLiteral("SepetEkle2")), 0);
        QCOMPARE(calls(QStringLiteral("SepetGuncelle2")), 1);
        const QList<QVariantList> lines = serverBasket();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines.first()[2].toDouble(), 5.0);
        QCOMPARE(lines.first()[4].toDouble(), first[4].toDouble()); // the line's own price went back
    }

    void newItemIsAdded_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<double>("typed");
        QTest::addColumn<bool>("priceSent");
        QTest::newRow("dealer") << QStringLiteral("BAYI") << 77.0 << false;
        QTest::newRow("manager types a price") << QStringLiteral("MUDUR") << 77.0 << true;
    }

    void newItemIsAdded()
    {
        QFETCH(QString, user);
        QFETCH(double, typed);
        login(user, 101);
        makeTab();
        const QVariantMap row = newStockRow();
        m_detail.answer = DetayCevabi{QStringLiteral("3"), typed};
        m_tab->katalogdanEkle(row, SepetKaynagi::StokListesi);
        QCOMPARE(m_detail.shown.size(), 1);
        QCOMPARE(m_detail.shown[0].stokno, row["STOK_STOKNO"].toInt());
        QCOMPARE(m_detail.shown[0].indirimBasligi, QStringLiteral("İndirim: %0"));
        QCOMPARE(calls(QStringLiteral("SepetEkle2")), 1);
        QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("4=Sepet"));
        const QList<QVariantList> added = m_server->query(
            QStringLiteral("SELECT MIKTAR, BIRIMFIYAT FROM SEPET WHERE CARINO = 101 AND STOKNO = ?"),
            {row["STOK_STOKNO"]});
        QCOMPARE(added.size(), 1);
        QCOMPARE(added[0][0].toDouble(), 3.0);
        QFETCH(bool, priceSent);
        QCOMPARE(added[0][1].toDouble(), priceSent ? typed : row["FIYAT"].toDouble());
    }

    void cancelledDetailSendsNothing_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::newRow("new item") << false;
        QTest::newRow("item in the basket") << true;
    }

    void cancelledDetailSendsNothing()
    {
        QFETCH(bool, existing);
        QVariantMap row = newStockRow();
        if (existing)
            row["STOK_STOKNO"] = serverBasket().first()[3];
        const QList<QVariantList> before = serverBasket();
        m_detail.answer.reset();
        m_tab->katalogdanEkle(row, SepetKaynagi::Yeniler);
        QCOMPARE(m_detail.shown.size(), 1);
        QCOMPARE(calls(QStringLiteral("SepetEkle2")), 0);
        QCOMPARE(calls(QStringLiteral("SepetGuncelle2")), 0);
        QCOMPARE(serverBasket(), before);
    }

    void quantityNotANumberSendsNothing()
    {
        m_detail.answer = DetayCevabi{QStringLiteral("üç"), 0.0};
        QVERIFY_THROWS_EXCEPTION(EConvertError,
                                 m_tab->katalogdanEkle(newStockRow(), SepetKaynagi::StokListesi));
        QCOMPARE(calls(QStringLiteral("SepetEkle2")), 0);
    }

    void realDetailWindow_data()
    {
        QTest::addColumn<QString>("user");
        QTest::addColumn<int>("source"); // SepetKaynagi
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("priceCaption");
        QTest::addColumn<QString>("discountCaption");
        QTest::addColumn<bool>("priceEditable");
        QTest::addColumn<bool>("confirm");
        QTest::newRow("stock list, dealer") << QStringLiteral("BAYI") << 0 << 0 << QStringLiteral("Fiyat:")
                                            << QStringLiteral("İndirim: %0") << false << true;
        QTest::newRow("stock list campaign row, staff")
            << QStringLiteral("MUDUR") << 0 << 1 << QStringLiteral("Kampanyalı Fiyat:")
            << QStringLiteral("Kampanyalı 0") << true << true;
        QTest::newRow("new stock, staff") << QStringLiteral("MUDUR") << 1 << 0 << QStringLiteral("Fiyat:")
                                          << QStringLiteral("İndirim:  % 0") << true << true;
        QTest::newRow("campaign list, staff, Vazgeç")
            << QStringLiteral("MUDUR") << 2 << 0 << QStringLiteral("Kampanyalı Fiyat:")
            << QStringLiteral("Kampanyalı 0") << false << false;
    }

    void realDetailWindow()
    {
        QFETCH(QString, user);
        QFETCH(int, source);
        QFETCH(int, k);
        QFETCH(bool, confirm);
        login(user, user == QStringLiteral("BAYI") ? 0 : 101);
        makeTab();
        BasketTab::setDetayPenceresi({});
        QVariantMap row = newStockRow();
        row["K"] = k;
        DialogHelper dialogs;
        QString seen;
        dialogs.interactOnNext([&](QWidget *dialog) -> QString {
            auto *w = qobject_cast<Tstokayarinti *>(dialog);
            if (!w)
                return QStringLiteral("not the stock detail window");
            QFETCH(QString, priceCaption);
            QFETCH(QString, discountCaption);
            QFETCH(bool, priceEditable);
            if (w->Label2->text() != priceCaption || w->indirimoran->text() != discountCaption)
                return w->Label2->text() + QLatin1Char('|') + w->indirimoran->text();
            if (w->birimfiyat->isReadOnly() == priceEditable)
                return QStringLiteral("price editable: %1").arg(!w->birimfiyat->isReadOnly());
            if (w->barkod->text() != row["BARKOD"].toString() || w->adet->value() != 1)
                return QStringLiteral("labels or quantity");
            if (!confirm) {
                w->ParcaliTus2->click();
                return QString();
            }
            w->adet->setValue(3);
            w->ParcaliTus1->click();
            return QString();
        });
        m_tab->katalogdanEkle(row, SepetKaynagi(source));
        BasketTab::setDetayPenceresi([this](QWidget *, TSQLConnection &, const StokDetayDegerleri &d) {
            m_detail.shown << d;
            return m_detail.answer;
        });
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        QCOMPARE(dialogs.dialogCount(), 1);
        const QList<QVariantList> added =
            m_server->query(QStringLiteral("SELECT MIKTAR FROM SEPET WHERE CARINO = 101 AND STOKNO = ?"),
                            {row["STOK_STOKNO"]});
        QCOMPARE(added.size(), confirm ? 1 : 0);
        QCOMPARE(calls(QStringLiteral("SepetEkle2")), confirm ? 1 : 0);
        if (confirm)
            QCOMPARE(added[0][0].toDouble(), 3.0);
    }

    void deleteAllOnEmptyOrUnloadedAsksNothing()
    {
        DialogHelper dialogs;
        m_tab->HepsiniSil1Click(); // not loaded
        m_server->query(QStringLiteral("DELETE FROM SEPET WHERE CARINO = 101"));
        showBasket();
        m_tab->HepsiniSil1Click(); // loaded, empty
        QTest::qWait(100);
        QCOMPARE(dialogs.dialogCount(), 0);
        QCOMPARE(calls(QStringLiteral("SepetHepsiniSil")), 0);
    }

    void deleteAllQuestion_data()
    {
        QTest::addColumn<int>("answer"); // 0 close box, 1 No, 2 Esc, 3 Yes
        QTest::addColumn<bool>("deleted");
        QTest::newRow("close box") << 0 << false;
        QTest::newRow("Hayır") << 1 << false;
        QTest::newRow("Esc") << 2 << false;
        QTest::newRow("Evet") << 3 << true;
    }

    void deleteAllQuestion()
    {
        QFETCH(int, answer);
        QFETCH(bool, deleted);
        showBasket();
        DialogHelper dialogs;
        switch (answer) {
        case 0:
            dialogs.closeOnNext();
            break;
        case 1:
            dialogs.pressOnNext(QStringLiteral("Hayır"));
            break;
        case 2:
            dialogs.escapeOnNext();
            break;
        default:
            dialogs.pressOnNext(QStringLiteral("Evet"));
            dialogs.interactOnNext([this](QWidget *dialog) {
                // The message comes before the reload.
                if (m_host->tabCaption(m_host->sheet) != QStringLiteral("3=Sepet"))
                    return QStringLiteral("reloaded before the message");
                for (QPushButton *b : dialog->findChildren<QPushButton *>())
                    if (b->text() == kTamam)
                        b->click();
                return QString();
            });
        }
        m_host->popup->actions().at(4)->trigger();
        QVERIFY(dialogs.waitForDialogs(deleted ? 2 : 1));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        const auto records = dialogs.records();
        QCOMPARE(records[0].text, QStringLiteral("Tüm Sepeti Silmek İstiyor musunuz "));
        QCOMPARE(records[0].focusButton, QStringLiteral("Hayır"));
        QCOMPARE(calls(QStringLiteral("SepetHepsiniSil")), deleted ? 1 : 0);
        QCOMPARE(serverBasket().size(), deleted ? 0 : 3);
        QCOMPARE(m_host->tabCaption(m_host->sheet),
                 deleted ? QStringLiteral("0=Sepet") : QStringLiteral("3=Sepet"));
        if (deleted)
            QCOMPARE(records[1].text, QStringLiteral("Sepet Silindi !"));
    }

    void deleteLineReloadsBeforeMessage()
    {
        showBasket();
        GridView *grid = m_tab->grid();
        grid->setFocusedRecord(1);
        const int sirano =
            m_tab->sepet().value(1, m_tab->sepet().fieldIndex(QStringLiteral("SIRANO"))).toInt();
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Evet"));
        QString captionAtMessage;
        dialogs.interactOnNext([&](QWidget *dialog) {
            captionAtMessage = m_host->tabCaption(m_host->sheet);
            for (QPushButton *b : dialog->findChildren<QPushButton *>())
                if (b->text() == kTamam)
                    b->click();
            return QString();
        });
        m_host->popup->actions().at(2)->trigger();
        QVERIFY(dialogs.waitForDialogs(2));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        QCOMPARE(dialogs.records()[0].text, QStringLiteral("Satırı silmek istiyor musunuz "));
        QCOMPARE(dialogs.records()[0].focusButton, QStringLiteral("Hayır"));
        QCOMPARE(dialogs.records()[1].text, QStringLiteral("Satır silindi !"));
        QCOMPARE(captionAtMessage, QStringLiteral("2=Sepet"));
        QVERIFY(m_server->query(QStringLiteral("SELECT 1 FROM SEPET WHERE SIRANO = ?"), {sirano}).isEmpty());
        const QList<QVariantList> logged =
            m_server->query(QStringLiteral("SELECT ACIKLAMA FROM SEPETSILINEN WHERE SIRANO = ?"), {sirano});
        QCOMPARE(logged.size(), 1);
        QVERIFY(logged[0][0].toString().contains(QLatin1Char('-')));
    }

    void unreachableServerKeepsBasketAndTicks()
    {
        showBasket();
        m_host->bagc.setPort(1); // nothing listens there
        DialogHelper dialogs;
        for (int i = 0; i < 4; ++i)
            dialogs.pressOnNext(kTamam);
        button("Button4")->click(); // one connection message per line, the local ticks stay
        QVERIFY(dialogs.waitForDialogs(3));
        for (const DialogHelper::Record &r : dialogs.records())
            QCOMPARE(r.text, BaglantiHatasi);
        for (int row = 0; row < 3; ++row)
            QCOMPARE(m_tab->sepet().value(row, m_tab->sepet().fieldIndex(QStringLiteral("SEC"))).toInt(), 1);
        QVERIFY(label("geneltoplaml") != QStringLiteral("0,00"));
        for (const QVariantList &line : serverBasket())
            QCOMPARE(line[1].toInt(), 0);

        m_tab->SepetGetir(); // the old basket stays on screen
        QVERIFY(dialogs.waitForDialogs(4));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("3=Sepet"));
        QCOMPARE(m_tab->sepet().RecordCount(), 3);
    }

    void excelKaydet()
    {
        showBasket();
        QTemporaryDir dir;
        DialogHelper dialogs;
        dialogs.interactOnNext([&](QWidget *dialog) -> QString {
            auto *files = qobject_cast<QFileDialog *>(dialog);
            if (!files)
                return QStringLiteral("not a file dialog");
            if (!files->nameFilters().contains(QStringLiteral("Excel (*.xls*)")) &&
                !files->nameFilters().join(QString()).contains(QStringLiteral("*.xls*")))
                return files->nameFilters().join(QLatin1Char(';'));
            auto *edit = files->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            if (!edit)
                return QStringLiteral("no file name box");
            files->setDirectory(dir.path());
            QTest::keyClicks(edit, QStringLiteral("sepet.xlsx"));
            QTest::keyClick(edit, Qt::Key_Return);
            return QString();
        });
        button("Button2")->click();
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        const QString written = dir.filePath(QStringLiteral("sepet.xls"));
        QVERIFY(QFile::exists(written));
        const FreeXlSheet sheet = FreeXlSheet::read(written);
        QVERIFY(sheet.rows >= 4u); // captions, the three lines (and the footer)
        const QList<QVariantList> barkods =
            m_server->query(QStringLiteral("SELECT s.BARKOD FROM SEPET b JOIN STOK s ON s.STOKNO = b.STOKNO "
                                           "WHERE b.CARINO = 101 ORDER BY b.SIRANO"));
        const int barkodColumn = int(sheet.cells.value(0).indexOf(QVariant(QStringLiteral("Barkod"))));
        QVERIFY(barkodColumn > 0);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(sheet.at(i + 1, barkodColumn).toString(), barkods[i][0].toString());
        QStringList captions;
        for (const QVariant &v : sheet.cells.value(0))
            captions << v.toString();
        QCOMPARE(captions.first(), QStringLiteral("Seç"));
        QVERIFY(captions.contains(QStringLiteral("Stok Açıklama")));
        QVERIFY(captions.contains(QStringLiteral("Net Tutar")));
        QVERIFY(!captions.contains(QStringLiteral("SIRANO")));
        QVERIFY(!captions.contains(QStringLiteral("Durum"))); // dealer: hidden for type 3
    }

    void sendWithoutTickedLineWarns()
    {
        showBasket();
        DialogHelper dialogs;
        dialogs.pressOnNext(kTamam);
        QTest::keyClick(m_tab->grid()->tableView(), Qt::Key_Return); // Enter reaches "Gönder"
        QVERIFY(dialogs.waitForDialogs(1));
        QTest::qWait(100);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records()[0].text, QStringLiteral("Gönderilecek Parça Yok "));
        QCOMPARE(dialogs.records()[0].title, TMesajDialog::kindTitle(mtWarning));
        QCOMPARE(calls(QStringLiteral("SiparisKaydet")), 0);
    }

    void sendOrder_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("serverRefuses");
        QTest::newRow("Evet") << QStringLiteral("Evet") << false;
        QTest::newRow("Hayır") << QStringLiteral("Hayır") << false;
        QTest::newRow("server refuses") << QStringLiteral("Evet") << true;
    }

    void sendOrder()
    {
        QFETCH(QString, answer);
        QFETCH(bool, serverRefuses);
        showBasket();
        QTRY_VERIFY(!label("lbluyarbakiye").isEmpty());
        const QString warning = label("lbluyarbakiye");
        GridView *grid = m_tab->grid();
        const int secColumn = grid->indexOf(grid->columnByField(QStringLiteral("SEC")));
        grid->tableView()->setCurrentIndex(grid->tableView()->model()->index(0, secColumn));
        m_host->popup->actions().at(0)->trigger(); // "Satır Değiştir" on the "Seç" cell ticks
        QVERIFY(m_detail.shown.isEmpty());
        QCOMPARE(serverBasket()[0][1].toInt(), 1);
        if (serverRefuses)
            tickOnServer(0);
        note()->setPlainText(QStringLiteral("ilk satır\nikinci satır"));
        const int ordersBefore =
            m_server->query(QStringLiteral("SELECT COUNT(*) FROM SIPARIS"))[0][0].toInt();

        DialogHelper dialogs;
        dialogs.pressOnNext(answer);
        if (answer == QStringLiteral("Evet"))
            dialogs.pressOnNext(kTamam);
        button("Button1")->click();
        QVERIFY(dialogs.waitForDialogs(answer == QStringLiteral("Evet") ? 2 : 1));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        const DialogHelper::Record onay = dialogs.records()[0];
        QCOMPARE(onay.title, QStringLiteral("Sipariş Onay"));
        const TSonucBilgisi &s = m_host->sbilgi;
        QVERIFY(onay.text.contains(
            SiparisOzeti(s.ADI(), s.CariAdi(), QStringLiteral("ilk satır\r\nikinci satır"))));
        QVERIFY(onay.text.contains(warning));
        QVERIFY(
            onay.text.contains(QStringLiteral("Yukarıda bilgileri verilen siparişi onaylıyor musunuz ?")));
        QCOMPARE(onay.buttons, (QStringList{QStringLiteral("Evet"), QStringLiteral("Hayır")}));
        QCOMPARE(onay.textFont.pixelSize(), 16);
        QVERIFY(onay.textFont.bold());

        const int orders = m_server->query(QStringLiteral("SELECT COUNT(*) FROM SIPARIS"))[0][0].toInt();
        if (answer == QStringLiteral("Hayır")) {
            QCOMPARE(calls(QStringLiteral("SiparisKaydet")), 0);
            QCOMPARE(note()->toPlainText(), QStringLiteral("ilk satır\nikinci satır"));
            QCOMPARE(orders, ordersBefore);
        } else if (serverRefuses) {
            QCOMPARE(dialogs.records()[1].text, QStringLiteral("Sipariş Göndermede Hata"));
            QCOMPARE(dialogs.records()[1].title, TMesajDialog::kindTitle(mtError));
            QCOMPARE(note()->toPlainText(), QStringLiteral("ilk satır\nikinci satır"));
            QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("3=Sepet"));
            QCOMPARE(orders, ordersBefore);
        } else {
            QCOMPARE(dialogs.records()[1].text, QStringLiteral("Siparişiniz Gönderildi !"));
            QVERIFY(note()->toPlainText().isEmpty());
            QCOMPARE(m_host->tabCaption(m_host->sheet), QStringLiteral("2=Sepet"));
            QCOMPARE(orders, ordersBefore + 1);
            const QList<QVariantList> order = m_server->query(QStringLiteral(
                "SELECT VERENINNOTU, TESLIMID, KARGOID FROM SIPARIS ORDER BY IDNO DESC LIMIT 1"));
            QCOMPARE(order[0][0].toString(), QStringLiteral("ilk satır\r\nikinci satır"));
            QCOMPARE(order[0][1].toInt(), 1);
            QCOMPARE(order[0][2].toInt(), 1);
        }
    }
};

QTEST_MAIN(BasketTabTest)
#include "tst_baskettab.moc"

#include "app/core/utils.h"
#include "catalogue/stoklistesi.h"
#include "messages/hedefyonlendir.h"
#include "tests/messages/messageshost.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QMenu>
#include <QTest>

// The routing of a search target into the real stock list: "Ara" with its 2-letter rule.
class StokAramaHost : public MessagesHost
{
public:
    using MessagesHost::MessagesHost;
    void startSearch() override
    {
        MessagesHost::startSearch();
        if (stok)
            stok->araeditEnter();
    }
    StokListesi *stok = nullptr;
};

class TestHedefArama : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setRetryWait([](int) {});
    }

    void oneLetterWarns()
    {
        ScriptedServer server;
        StokAramaHost host(QStringLiteral("127.0.0.1"), server.port());
        QMenu popstok;
        StokListesi stok(host, host.tabSheet("sstoklistesi"), nullptr, &popstok);
        host.stok = &stok;
        host.m_window.show();
        host.activateTab(host.tabSheet("sTabSheetduyuru"));
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        HedefYonlendir(host, QStringLiteral("X"));
        QVERIFY(dialogs.waitForDialogs(1));
        QCOMPARE(dialogs.records().first().text, QStringLiteral("Lütfen en az 2 harf giriniz !"));
        QCOMPARE(host.activeTab()->objectName(), QStringLiteral("sstoklistesi"));
        QCOMPARE(host.araedit->text(), QStringLiteral("X"));
        QVERIFY(server.requestsTo(ScriptedServer::methodPath("StokAraGetir")).empty());
    }

    void campaignTagOpensTheTab()
    {
        ScriptedServer server;
        StokAramaHost host(QStringLiteral("127.0.0.1"), server.port());
        QMenu popstok;
        StokListesi stok(host, host.tabSheet("sstoklistesi"), nullptr, &popstok);
        host.stok = &stok;
        DialogHelper dialogs;
        HedefYonlendir(host, QStringLiteral("#KAMPANYA#"));
        QCOMPARE(host.activeTab()->objectName(), QStringLiteral("skampanyali"));
        QTest::qWait(100);
        QCOMPARE(dialogs.dialogCount(), 0);
        QVERIFY(host.searches.isEmpty());
    }
};

QTEST_MAIN(TestHedefArama)
#include "tst_hedefarama.moc"

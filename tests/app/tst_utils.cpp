#include "app/core/utils.h"

#include "platform/dataset/clientdataset.h"
#include "platform/dbx/sqlconnection.h"
#include "platform/system/async.h"
#include "platform/system/screen.h"
#include "platform/system/sounds.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"
#include "tests/support/tempfolders.h"

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QtTest>

class UtilsTest : public QObject
{
    Q_OBJECT

private:
    QList<SystemSound> m_sounds;
    QList<int> m_waits;

    void connectTo(TSQLConnection &conn, int port)
    {
        conn.setHostName(QStringLiteral("127.0.0.1"));
        conn.setPort(port);
        conn.setConnectTimeout(2000);
        conn.setReadTimeout(2000);
    }

    static std::unique_ptr<TClientDataSet> basket(const QList<QVariant> &secValues)
    {
        auto ds = std::make_unique<TClientDataSet>();
        ds->addField(QStringLiteral("STOKNO"), TFieldType::ftInteger);
        ds->addField(QStringLiteral("SEC"), TFieldType::ftInteger);
        ds->CreateDataSet();
        int stok = 100;
        for (const QVariant &sec : secValues)
            ds->appendRow({stok++, sec});
        return ds;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setSystemSoundPlayer([this](SystemSound s) { m_sounds << s; });
    }

    void init()
    {
        m_sounds.clear();
        m_waits.clear();
        setRetryWait([this](int ms) { m_waits << ms; });
    }

    void cleanup() { setRetryWait({}); }

    void baglantiAcRefusedMakesElevenAttempts_data()
    {
        QTest::addColumn<int>("goster");
        QTest::addColumn<int>("messages");
        QTest::newRow("flag 1 shows one message") << 1 << 1;
        QTest::newRow("flag 0 shows none") << 0 << 0;
    }

    void baglantiAcRefusedMakesElevenAttempts()
    {
        QFETCH(int, goster);
        QFETCH(int, messages);
        ScriptedServer server;
        server.resetFirst(1000); // every attempt fails like a server that is not up
        TSQLConnection conn;
        connectTo(conn, server.port());
        DialogHelper dialogs;
        if (messages)
            dialogs.pressOnNext(QStringLiteral("Tamam"));
        QVERIFY(!BaglantiAc(conn, goster));
        QVERIFY(!conn.Connected());
        QCOMPARE(server.connectionCount(), 11);
        QCOMPARE(m_waits, QList<int>(11, 500));
        QTest::qWait(50);
        QCOMPARE(dialogs.dialogCount(), messages);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        if (messages) {
            const auto r = dialogs.records().first();
            QCOMPARE(r.title, QStringLiteral("Hata"));
            QCOMPARE(r.text, QStringLiteral("Bağlantı Kurulamıyor Lütfen Tekrar Deneyin ...!"));
            QCOMPARE(r.buttons, QStringList{QStringLiteral("Tamam")});
            QCOMPARE(r.result, int(mrOk));
        }
    }

    void baglantiAcRefusedPortRealWaits()
    {
        // The real 500 ms waits, against a port where every connect is refused.
        setRetryWait({});
        RefusingPort port;
        TSQLConnection conn;
        connectTo(conn, port.port());
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        QVERIFY(!BaglantiAc(conn, 1));
        QTest::qWait(50);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    }

    void baglantiAcOnWorkerShowsMessageOnWindowThread()
    {
        ScriptedServer server;
        server.resetFirst(1000);
        TSQLConnection conn;
        connectTo(conn, server.port());
        DialogHelper dialogs;
        QThread *dialogThread = nullptr;
        dialogs.interactOnNext([&](QWidget *dialog) {
            dialogThread = dialog->thread();
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Button2")), Qt::LeftButton);
            return QString();
        });
        std::atomic<int> result{-1};
        bool done = false;
        Async([&] { result = BaglantiAc(conn, 1) ? 1 : 0; })->Await([&] { done = true; });
        QTRY_VERIFY_WITH_TIMEOUT(done, 20000);
        QCOMPARE(result.load(), 0);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogThread, QThread::currentThread());
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
    }

    void baglantiAcSucceedsOnThirdAttempt()
    {
        ScriptedServer server;
        server.resetFirst(2);
        TSQLConnection conn;
        connectTo(conn, server.port());
        DialogHelper dialogs;
        QVERIFY(BaglantiAc(conn, 1));
        QVERIFY(conn.Connected());
        QCOMPARE(m_waits, QList<int>({500, 500}));
        QCOMPARE(server.requestsTo(ScriptedServer::handshakePath()).size(), size_t(1));
        QTest::qWait(50);
        QCOMPARE(dialogs.dialogCount(), 0);
    }

    void baglantiAcReopensAnOpenConnection()
    {
        ScriptedServer server;
        TSQLConnection conn;
        connectTo(conn, server.port());
        conn.Open();
        QVERIFY(BaglantiAc(conn, 0));
        QVERIFY(conn.Connected());
        QCOMPARE(server.requestsTo(ScriptedServer::handshakePath()).size(), size_t(2));
        QVERIFY(m_waits.isEmpty());
    }

    void mesajGosterKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("sound");
        QTest::newRow("warning") << 0 << "Uyarı" << int(SystemSound::Exclamation);
        QTest::newRow("error") << 1 << "Hata" << int(SystemSound::Hand);
        QTest::newRow("information") << 2 << "Bilgi" << int(SystemSound::Asterisk);
        QTest::newRow("question") << 3 << "Soru" << int(SystemSound::Question);
        QTest::newRow("other kind") << 7 << "Ravla Filter B2B" << 0;
    }

    void mesajGosterKinds()
    {
        QFETCH(int, kind);
        QFETCH(QString, title);
        QFETCH(int, sound);
        QCoreApplication::setApplicationName(QStringLiteral("Ravla Filter B2B"));
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        QCOMPARE(MesajGoster(QStringLiteral("Kayıt bulunamadı"), kind, mbOKOnly, mbOK), int(mrOk));
        QCOMPARE(dialogs.dialogCount(), 1);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
        const auto r = dialogs.records().first();
        QCOMPARE(r.title, title);
        QCOMPARE(r.text, QStringLiteral("Kayıt bulunamadı"));
        if (sound)
            QCOMPARE(m_sounds, QList<SystemSound>{SystemSound(sound)});
        else
            QVERIFY(m_sounds.isEmpty());
    }

    void mesajGosterButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("yes no") << mbYesNo << QStringList{"Evet", "Hayır"};
        QTest::newRow("ok") << mbOKOnly << QStringList{"Tamam"};
        QTest::newRow("ok cancel") << ((1 << mbOK) | (1 << mbCancel)) << QStringList{"Tamam", "Vazgeç"};
        QTest::newRow("abort retry ignore")
            << ((1 << mbAbort) | (1 << mbRetry) | (1 << mbIgnore)) << QStringList{"İptal", "Tekrar", "Atla"};
        QTest::newRow("to all") << ((1 << mbNoToAll) | (1 << mbYesToAll) | (1 << mbHelp))
                                << QStringList{"Tümüne Hayır", "Tümüne Evet", "Yardım"};
    }

    void mesajGosterButtons()
    {
        QFETCH(int, buttons);
        QFETCH(QStringList, captions);
        DialogHelper dialogs;
        dialogs.pressOnNext(captions.first());
        MesajGoster(QStringLiteral("?"), mtConfirmation, buttons, 0);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().buttons, captions);
    }

    void mesajGosterResults_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("action"); // a caption, or "esc", "enter", "close"
        QTest::addColumn<int>("result");
        QTest::newRow("yes") << mbYesNo << int(mbYes) << "Evet" << 6;
        QTest::newRow("no") << mbYesNo << int(mbYes) << "Hayır" << 7;
        QTest::newRow("esc on yes/no is no") << mbYesNo << int(mbYes) << "esc" << 7;
        QTest::newRow("frame close on yes/no") << mbYesNo << int(mbYes) << "close" << 2;
        QTest::newRow("enter on focus yes") << mbYesNo << int(mbYes) << "enter" << 6;
        QTest::newRow("enter on focus no") << mbYesNo << int(mbNo) << "enter" << 7;
        QTest::newRow("ok") << mbOKOnly << int(mbOK) << "Tamam" << 1;
        QTest::newRow("esc on ok") << mbOKOnly << int(mbOK) << "esc" << 1;
        QTest::newRow("frame close on ok") << mbOKOnly << int(mbOK) << "close" << 2;
        const int okCancel = (1 << mbOK) | (1 << mbCancel);
        QTest::newRow("esc prefers cancel") << okCancel << int(mbOK) << "esc" << 2;
        QTest::newRow("cancel") << okCancel << int(mbOK) << "Vazgeç" << 2;
        const int ari = (1 << mbAbort) | (1 << mbRetry) | (1 << mbIgnore);
        QTest::newRow("abort") << ari << int(mbRetry) << "İptal" << 3;
        QTest::newRow("retry") << ari << int(mbRetry) << "Tekrar" << 4;
        QTest::newRow("ignore") << ari << int(mbRetry) << "Atla" << 5;
        QTest::newRow("no to all") << (1 << mbNoToAll) << int(mbNoToAll) << "Tümüne Hayır" << 13;
        QTest::newRow("yes to all") << (1 << mbYesToAll) << int(mbYesToAll) << "Tümüne Evet" << 14;
        QTest::newRow("all") << (1 << mbAll) << int(mbAll) << "All" << 12;
    }

    void mesajGosterResults()
    {
        QFETCH(int, buttons);
        QFETCH(int, focus);
        QFETCH(QString, action);
        QFETCH(int, result);
        DialogHelper dialogs;
        if (action == QLatin1String("esc"))
            dialogs.escapeOnNext();
        else if (action == QLatin1String("enter"))
            dialogs.enterOnNext();
        else if (action == QLatin1String("close"))
            dialogs.closeOnNext();
        else
            dialogs.pressOnNext(action);
        QCOMPARE(MesajGoster(QStringLiteral("Silinsin mi?"), mtConfirmation, buttons, focus), result);
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    }

    void mesajGosterEscWithoutCancelButtonDoesNothing()
    {
        // Yes alone has no cancel button: Esc leaves the dialog open.
        DialogHelper dialogs;
        dialogs.interactOnNext([](QWidget *dialog) {
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Escape);
            if (!dialog->isVisible())
                return QStringLiteral("closed by Esc");
            QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("Button0")), Qt::LeftButton);
            return QString();
        });
        QCOMPARE(MesajGoster(QStringLiteral("?"), mtConfirmation, 1 << mbYes, mbYes), int(mrYes));
        QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    }

    void mesajGosterFocusAndDefault_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("focus");
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("defaultButton");
        QTest::newRow("question focus yes") << mbYesNo << int(mbYes) << "Evet"
                                            << "Evet";
        QTest::newRow("destructive focus no") << mbYesNo << int(mbNo) << "Hayır"
                                              << "Hayır";
        QTest::newRow("notice") << mbOKOnly << int(mbOK) << "Tamam"
                                << "Tamam";
    }

    void mesajGosterFocusAndDefault()
    {
        QFETCH(int, buttons);
        QFETCH(int, focus);
        QFETCH(QString, focused);
        QFETCH(QString, defaultButton);
        DialogHelper dialogs;
        dialogs.escapeOnNext();
        MesajGoster(QStringLiteral("Satırlar silinsin mi?"), mtConfirmation, buttons, focus);
        QCOMPARE(dialogs.dialogCount(), 1);
        const auto r = dialogs.records().first();
        QCOMPARE(r.focusButton, focused);
        // Qt makes the focused auto-default button the default one, as Enter acts on the focus.
        QCOMPARE(r.defaultButton, defaultButton);
    }

    void mesajGosterUsesMessageFont()
    {
        QFont font = messageFont();
        font.setPointSize(15);
        setMessageFont(font);
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        MesajGoster(QStringLiteral("Yazı"), mtInformation, mbOKOnly, mbOK);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().textFont.pointSize(), 15);
    }

    void mesajGosterKeepsTextPlain()
    {
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        MesajGoster(QStringLiteral("Hata Oluştu !\r\nHata: <b>404</b>"), mtError, mbOKOnly, mbOK);
        QCOMPARE(dialogs.records().first().text, QStringLiteral("Hata Oluştu !\nHata: <b>404</b>"));
    }

    void dialogHelperRefusesUnusableButtons_data()
    {
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("error");
        QTest::newRow("disabled") << "Kapalı"
                                  << "button \"Kapalı\" is disabled";
        QTest::newRow("hidden") << "Gizli"
                                << "button \"Gizli\" is hidden";
        QTest::newRow("missing") << "Yok"
                                 << "no button \"Yok\"";
    }

    void dialogHelperRefusesUnusableButtons()
    {
        QFETCH(QString, press);
        QFETCH(QString, error);
        QDialog dialog;
        auto *disabled = new QPushButton(QStringLiteral("&Kapalı"), &dialog);
        disabled->setEnabled(false);
        auto *hidden = new QPushButton(QStringLiteral("Gizli"), &dialog);
        hidden->move(0, 40);
        bool clicked = false;
        connect(disabled, &QPushButton::clicked, [&] { clicked = true; });
        connect(hidden, &QPushButton::clicked, [&] { clicked = true; });
        dialog.show();
        hidden->hide();
        dialog.hide();
        DialogHelper dialogs;
        dialogs.pressOnNext(press);
        QCOMPARE(dialog.exec(), int(QDialog::Rejected)); // the helper does not leave it hanging
        QVERIFY(!clicked);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().error, error);
        QVERIFY(!dialogs.problems().isEmpty());
    }

    void dialogHelperRecordsUnexpectedDialogs()
    {
        DialogHelper dialogs;
        QCOMPARE(MesajGoster(QStringLiteral("beklenmedik"), mtWarning, mbOKOnly, mbOK), int(mrCancel));
        QCOMPARE(dialogs.dialogCount(), 1);
        QVERIFY(!dialogs.records().first().expected);
        QVERIFY(dialogs.problems().contains(QStringLiteral("beklenmedik")));
    }

    void secimVarMi_data()
    {
        QTest::addColumn<QVariantList>("sec");
        QTest::addColumn<bool>("expected");
        QTest::addColumn<int>("recNo"); // where the cursor stays
        QTest::newRow("all zero") << QVariantList{0, 0, 0} << false << 3;
        QTest::newRow("empty") << QVariantList{} << false << 0;
        QTest::newRow("one selected") << QVariantList{0, 1, 0} << true << 2;
        QTest::newRow("first selected") << QVariantList{1, 0} << true << 1;
        QTest::newRow("null is not selected") << QVariantList{QVariant(), 0} << false << 2;
        QTest::newRow("two is not selected") << QVariantList{2, 0} << false << 2;
    }

    void secimVarMi()
    {
        QFETCH(QVariantList, sec);
        QFETCH(bool, expected);
        QFETCH(int, recNo);
        auto ds = basket(sec);
        ds->Last();
        QCOMPARE(SecimVarMi(*ds), expected);
        QCOMPARE(ds->RecNo(), recNo);
    }

    void secimVarMiOnClosedDataSet()
    {
        auto ds = basket({1});
        ds->Close();
        QVERIFY(!DoluMu(*ds));
        QVERIFY(!SecimVarMi(*ds));
        TClientDataSet never;
        QVERIFY(!DoluMu(never));
        QVERIFY(!SecimVarMi(never));
    }

    void doluMu()
    {
        QVERIFY(!DoluMu(*basket({})));
        QVERIFY(DoluMu(*basket({0})));
    }

    void ondalikBicimle()
    {
        TClientDataSet ds;
        const QList<TFieldType> types = {
            TFieldType::ftInteger, TFieldType::ftSmallint,   TFieldType::ftLargeint,
            TFieldType::ftString,  TFieldType::ftWideString, TFieldType::ftCurrency,
            TFieldType::ftBCD,     TFieldType::ftDate,       TFieldType::ftFloat};
        for (int i = 0; i < types.size(); ++i)
            ds.addField(QStringLiteral("F%1").arg(i), types.at(i));
        ds.addField(QStringLiteral("TUTAR"), TFieldType::ftFloat);
        ds.field(5)->setDisplayFormat(QStringLiteral("0.000"));
        ds.CreateDataSet();
        ds.appendRow({1, 2, 3, "x", "y", 4.5, 5.5, QDate(2024, 1, 2), 1234.5, 0.004});
        OndalikBicimle(ds);
        for (int i = 0; i < types.size() - 1; ++i)
            QCOMPARE(ds.field(i)->DisplayFormat(), i == 5 ? QStringLiteral("0.000") : QString());
        QCOMPARE(ds.FieldByName(QStringLiteral("F8"))->DisplayFormat(), QStringLiteral("#,###,##0.00"));
        QCOMPARE(ds.FieldByName(QStringLiteral("TUTAR"))->DisplayFormat(), QStringLiteral("#,###,##0.00"));
        ds.First();
        QCOMPARE(ds.FieldByName(QStringLiteral("F8"))->DisplayText(), QStringLiteral("1.234,50"));
    }

    void folders()
    {
        TempFolders home;
        QVERIFY(home.isValid());
        QCOMPARE(BelgelerKlasoru(), home.documents());
        const QString expected = home.configHome() + QStringLiteral("/ravla");
        QVERIFY(!QFileInfo::exists(expected));
        QCOMPARE(AyarKlasoru(), expected);
        QVERIFY(QFileInfo(expected).isDir());
        QCOMPARE(AyarKlasoru(), expected); // an existing folder is fine
    }
};

QTEST_MAIN(UtilsTest)
#include "tst_utils.moc"

#include "app/core/utils.h"
#include "catalogue/resimalani.h"
#include "catalogue/stokayarintiu.h"
#include "catalogue/tutaredit.h"
#include "platform/dbx/sqlconnection.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

namespace {

std::string streamAnswer(qint64 boy, const QByteArray &bytes)
{
    std::string body = "{\"result\":[" + std::to_string(boy) + ",[";
    for (int i = 0; i < bytes.size(); ++i) {
        if (i)
            body += ',';
        body += std::to_string(int(quint8(bytes.at(i))));
    }
    return body + "]]}";
}

QByteArray jpeg()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(200, 30, 30));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return data;
}

QLineEdit *editOf(QSpinBox *spin)
{
    return spin->findChild<QLineEdit *>();
}

} // namespace

class TestStokAyrinti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
        setRetryWait([](int) {});
    }

    void amountsFollowTheQuantity()
    {
        Tstokayarinti w;
        w.kdvlifiyat = 1125.5;
        w.kdvdahiltutar->setValue(1125.5);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.geneltutar->text(), QStringLiteral("1.125,50"));
        QCOMPARE(editOf(w.adet)->selectedText(), QStringLiteral("1"));
        QTest::keyClicks(editOf(w.adet), QStringLiteral("3"));
        QCOMPARE(w.adet->value(), 3);
        QCOMPARE(w.geneltutar->text(), QStringLiteral("3.376,50"));
    }

    void openingAmountComesFromKdvliFiyat()
    {
        // On opening the amount is from the member; a later change uses the displayed price.
        Tstokayarinti w;
        w.kdvlifiyat = 10.005;
        w.kdvdahiltutar->setValue(20);
        w.show();
        QCOMPARE(w.geneltutar->text(), QStringLiteral("10,01"));
        w.adet->stepUp();
        QCOMPARE(w.geneltutar->text(), QStringLiteral("40,00"));
    }

    void windowLayout()
    {
        Tstokayarinti w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Sepete Ekle"));
        QCOMPARE(w.size(), QSize(550, 631));
        QCOMPARE(w.adet->minimum(), 1);
        QCOMPARE(w.adet->maximum(), 10000);
        QCOMPARE(w.adet->value(), 1);
        QCOMPARE(w.ParcaliTus1->text(), QStringLiteral("Sipariş ekle"));
        QCOMPARE(w.ParcaliTus1->size(), QSize(100, 81));
        QCOMPARE(w.ParcaliTus2->text(), QStringLiteral("Vazgeç"));
        QCOMPARE(w.ParcaliTus2->size(), QSize(100, 65));
        QVERIFY(w.birimfiyat->isReadOnly());
        w.setBirimFiyatDuzenlenebilir(true);
        QVERIFY(!w.birimfiyat->isReadOnly());
        QVERIFY(w.indtutar->isReadOnly());
    }

    void results_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("result");
        QTest::newRow("Enter in the quantity") << "adetEnter" << 1;
        QTest::newRow("Sipariş ekle") << "ekle" << 1;
        QTest::newRow("Vazgeç") << "vazgec" << 2;
        QTest::newRow("title bar close") << "close" << 2;
        QTest::newRow("Escape") << "escape" << 2;
    }

    void results()
    {
        QFETCH(QString, how);
        QFETCH(int, result);
        Tstokayarinti w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (how == "adetEnter")
            QTest::keyClick(editOf(w.adet), Qt::Key_Return);
        else if (how == "ekle")
            QTest::mouseClick(w.ParcaliTus1, Qt::LeftButton);
        else if (how == "vazgec")
            QTest::mouseClick(w.ParcaliTus2, Qt::LeftButton);
        else if (how == "close")
            w.close();
        else
            QTest::keyClick(editOf(w.adet), Qt::Key_Escape);
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), result);
    }

    void enterInThePriceDoesNothing()
    {
        Tstokayarinti w;
        w.setBirimFiyatDuzenlenebilir(true);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.birimfiyat->setFocus();
        QTest::keyClick(w.birimfiyat, Qt::Key_Return);
        QTest::keyClick(w.kdvdahiltutar, Qt::Key_Enter);
        QVERIFY(w.isVisible());
        QCOMPARE(w.result(), 0);
    }

    void keyReleaseInAPriceRecomputes()
    {
        Tstokayarinti w;
        w.kdvlifiyat = 5;
        w.show();
        w.adet->setValue(4);
        w.kdvdahiltutar->setReadOnly(false);
        w.kdvdahiltutar->setText(QStringLiteral("2,5"));
        QTest::keyClick(w.kdvdahiltutar, Qt::Key_5);
        QCOMPARE(w.kdvdahiltutar->Value(), 2.55);
        QCOMPARE(w.geneltutar->text(), QStringLiteral("10,20"));
    }

    void spinnerStaysInRange()
    {
        Tstokayarinti w;
        w.show();
        QTest::keyClick(editOf(w.adet), Qt::Key_Down);
        QCOMPARE(w.adet->value(), 1);
        w.adet->setValue(10000);
        QTest::keyClick(editOf(w.adet), Qt::Key_Up);
        QCOMPARE(w.adet->value(), 10000);
    }

    void confirmedQuantityIsCorrected()
    {
        Tstokayarinti w;
        w.show();
        editOf(w.adet)->setText(QStringLiteral("abc"));
        QCOMPARE(w.adetDegeri(), 1);
        w.adet->setValue(250);
        QTest::keyClick(editOf(w.adet), Qt::Key_Return);
        QCOMPARE(w.result(), 1);
        QCOMPARE(w.adetDegeri(), 250);
        QCOMPARE(w.adet->text(), QStringLiteral("250"));
    }

    void rounding_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("expected");
        QTest::newRow("up") << 12.3456 << 12.35;
        QTest::newRow("tiny") << 0.004 << 0.0;
        QTest::newRow("negative") << -7.126 << -7.13;
        QTest::newRow("large") << 1234567.891 << 1234567.89;
        QTest::newRow("half") << 1.005 << 1.01;
    }

    void rounding()
    {
        QFETCH(double, x);
        QFETCH(double, expected);
        QCOMPARE(Tstokayarinti::Yuvarla(x), expected);
    }

    void pictureFromTheServer()
    {
        AppServerFixture server(200);
        QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
        const QList<QVariantList> rows =
            server.query(QStringLiteral("SELECT STOKNO FROM STOK WHERE RESIM = 1 LIMIT 1"));
        QVERIFY(!rows.isEmpty());
        const QList<QVariantList> without =
            server.query(QStringLiteral("SELECT STOKNO FROM STOK WHERE RESIM = 0 LIMIT 1"));
        QVERIFY(!without.isEmpty());
        TSQLConnection bagc;
        bagc.setHostName(server.host());
        bagc.setPort(server.port());
        DialogHelper dialogs;

        ResimAlani target;
        ResimGetir(bagc, rows.first().first().toInt(), &target);
        QVERIFY(!target.showsDefault());
        QVERIFY(target.picture().width() > 0);
        QVERIFY(!bagc.Connected());

        ResimAlani empty;
        ResimGetir(bagc, without.first().first().toInt(), &empty);
        QVERIFY(empty.showsDefault());
        QCOMPARE(dialogs.dialogCount(), 0);
    }

    void pictureFaults_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("message"); // empty: no message box
        const QByteArray picture = jpeg();
        QTest::newRow("size 0") << 200 << QString::fromStdString(streamAnswer(0, {})) << QString();
        QTest::newRow("one byte short")
            << 200 << QString::fromStdString(streamAnswer(picture.size(), picture.left(picture.size() - 1)))
            << QString();
        QTest::newRow("not a JPEG") << 200 << QString::fromStdString(streamAnswer(5, QByteArray("kirik")))
                                    << QStringLiteral("EReadError: ");
        QTest::newRow("server error")
            << 500 << QStringLiteral(R"({"error":"Resim yok"})") << QStringLiteral("TDBXError: Resim yok");
    }

    void pictureFaults()
    {
        QFETCH(int, status);
        QFETCH(QString, body);
        QFETCH(QString, message);
        ScriptedServer server;
        server.answer(ScriptedServer::methodPath("ResimVer5"), {status, body.toStdString()});
        TSQLConnection bagc;
        bagc.setPort(server.port());
        DialogHelper dialogs;
        if (!message.isEmpty())
            dialogs.pressOnNext(QStringLiteral("OK"));
        ResimAlani target;
        ResimGetir(bagc, 7, &target);
        QVERIFY(target.showsDefault());
        QVERIFY(!bagc.Connected());
        if (message.isEmpty()) {
            QCOMPARE(dialogs.dialogCount(), 0);
        } else {
            QCOMPARE(dialogs.dialogCount(), 1);
            QVERIFY2(dialogs.records().first().text.startsWith(message),
                     qPrintable(dialogs.records().first().text));
            QCOMPARE(dialogs.problems(), QString());
        }
        const auto calls = server.requestsTo(ScriptedServer::methodPath("ResimVer5"));
        QCOMPARE(calls.size(), size_t(1));
        QVERIFY(calls[0].body.find("[7]") != std::string::npos);
    }

    void noConnectionShowsTheConnectionMessage()
    {
        RefusingPort refusing;
        TSQLConnection bagc;
        bagc.setPort(refusing.port());
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        ResimAlani target;
        ResimGetir(bagc, 7, &target);
        QCOMPARE(dialogs.dialogCount(), 1);
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
        QVERIFY(target.showsDefault());
    }
};

QTEST_MAIN(TestStokAyrinti)
#include "tst_stokayarinti.moc"

#include "app/core/callframe.h"
#include "app/core/utils.h"
#include "messages/acilisyukleri.h"
#include "platform/dbx/dbxtable.h"
#include "platform/widgets/realtimemarquee.h"
#include "platform/widgets/rxgifanimator.h"
#include "tests/messages/messageshost.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <boost/json.hpp>

namespace {

// The smallest GIF: one pixel.
const QByteArray kGif = QByteArray::fromHex("474946383961010001008000000000"
                                            "00ffffff21f90401000000002c00000000"
                                            "010001000002024401003b");

QByteArray bmp(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(20, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

ScriptedServer::Answer result(boost::json::array values)
{
    boost::json::object body;
    body["result"] = std::move(values);
    return {200, boost::json::serialize(body)};
}

// A stream answer: the size, then the bytes; announced may differ from the bytes sent.
ScriptedServer::Answer stream(const QByteArray &bytes, qint64 announced = -1)
{
    boost::json::array data;
    for (const char c : bytes)
        data.push_back(int(static_cast<unsigned char>(c)));
    return result({announced < 0 ? qint64(bytes.size()) : announced, std::move(data)});
}

ScriptedServer::Answer balon(const QVariantList &row)
{
    DbxTable table;
    table.addColumn("SEPET", TDBXDataTypes::Int32Type);
    table.addColumn("YENI", TDBXDataTypes::Int32Type);
    table.addColumn("KAMPANYA", TDBXDataTypes::Int32Type);
    table.addColumn("DUYURU", TDBXDataTypes::Int32Type);
    table.addColumn("BAKIYE", TDBXDataTypes::DoubleType);
    table.addRow(row);
    return result({table.toJson()});
}

const std::string kMethods[] = {"KayanYaziGetir",  "BannerResimVer",   "BannerResimVer2",
                                "BannerResimVer3", "AcilisReklamAdet", "BalonGetir"};

// The main window's parts the loads fill, inside the stand-in host.
struct Window
{
    explicit Window(int port) : host(QStringLiteral("127.0.0.1"), port)
    {
        auto *layout = host.m_window.layout();
        upper = new TRxGIFAnimator(&host.m_window);
        upper->setFixedHeight(0);
        header = new TRxGIFAnimator(&host.m_window);
        header->setFixedSize(409, 125);
        header->setScaledContents(true);
        panel = new QWidget(&host.m_window);
        panel->setFixedHeight(40);
        pictures = new TRealTimeMarquee(panel);
        pictures->setFixedHeight(0);
        pictures->hide();
        image3 = new QLabel(panel);
        image3->hide();
        text = new TRealTimeMarquee(panel);
        layout->addWidget(upper);
        layout->addWidget(header);
        layout->addWidget(panel);
        hedef.AnaBilgiAl = [this] { ++header_loads; };
        hedef.kayanyazi = text;
        hedef.RxGIFAnimator1 = header;
        hedef.RxGIFAnimator2 = upper;
        hedef.Panel5 = panel;
        hedef.RealTimeMarquee1 = pictures;
        hedef.Image3 = image3;
        hedef.acilisAdet = [this] { return adet; };
        hedef.setAcilisAdet = [this](int n) { adet = n; };
        hedef.acilisGoruldu = [this] {
            continued = true;
            return goruldu;
        };
        hedef.setAcilisGoruldu = [this](bool g) { goruldu = g; };
    }

    // Runs the start-up task and waits for its continuation.
    bool run()
    {
        auto yukleri = std::make_shared<TAcilisYukleri>(host, hedef);
        yukleri->setReklamGosterici([this](MainWindowHost &, QString &arama) {
            ++pagers;
            arama = QStringLiteral("#KAMPANYA#");
            return 1;
        });
        yukleri->Baslat();
        return QTest::qWaitFor([this] { return continued; }, 20000);
    }

    QString caption(const char *sheet) const { return host.tabCaption(host.tabSheet(QLatin1String(sheet))); }

    MessagesHost host;
    AcilisHedefleri hedef;
    TRxGIFAnimator *upper = nullptr;
    TRxGIFAnimator *header = nullptr;
    QWidget *panel = nullptr;
    TRealTimeMarquee *pictures = nullptr;
    QLabel *image3 = nullptr;
    TRealTimeMarquee *text = nullptr;
    int header_loads = 0;
    int adet = -1;
    bool goruldu = false;
    bool continued = false;
    int pagers = 0;
};

void scriptAll(ScriptedServer &server)
{
    server.answer(ScriptedServer::methodPath("KayanYaziGetir"), result({"<b>Kış</b> kampanyası başladı"}));
    server.answer(ScriptedServer::methodPath("BannerResimVer"), stream(kGif));
    server.answer(ScriptedServer::methodPath("BannerResimVer2"), stream({}));
    server.answer(ScriptedServer::methodPath("BannerResimVer3"), stream(bmp(300, 120)));
    server.answer(ScriptedServer::methodPath("AcilisReklamAdet"), result({0}));
    server.answer(ScriptedServer::methodPath("BalonGetir"), balon({3, 12, 7, 2, 1.5}));
}

} // namespace

class TestAcilisYukleri : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void loadsFillTheWindow();
    void bottomBanner_data();
    void bottomBanner();
    void upperStrip_data();
    void upperStrip();
    void blankMarqueeText();
    void serverErrorsEndOnlyTheirLoad_data();
    void serverErrorsEndOnlyTheirLoad();
    void noConnection();
    void demoData();
};

void TestAcilisYukleri::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setRetryWait([](int) {});
}

void TestAcilisYukleri::cleanup()
{
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void TestAcilisYukleri::loadsFillTheWindow()
{
    ScriptedServer server;
    scriptAll(server);
    Window w(server.port());
    w.host.m_window.show();
    QVERIFY(w.run());

    QCOMPARE(w.header_loads, 1);
    QCOMPARE(w.caption("ssepet"), QStringLiteral("3=Sepet"));
    QCOMPARE(w.caption("syeniler"), QStringLiteral("12=Yeni Stoklar"));
    QCOMPARE(w.caption("skampanyali"), QStringLiteral("7=Kampanyalı"));
    QCOMPARE(w.caption("sTabSheetduyuru"), QStringLiteral("2=Duyurular"));
    QCOMPARE(w.caption("sTabbakiyeler"), QStringLiteral("1,5=Bakiyeler"));

    QCOMPARE(w.text->itemCount(), 1);
    QCOMPARE(w.text->item(0).text, QStringLiteral("<b>Kış</b> kampanyası başladı"));
    QCOMPARE(w.text->item(0).style, TRealTimeMarquee::ItemStyle::Html);
    QVERIFY(w.text->isActive());

    QVERIFY(w.header->hasPicture());
    QCOMPARE(w.header->size(), QSize(409, 125));
    QCOMPARE(w.upper->height(), 0);
    QVERIFY(!w.upper->hasPicture());

    QVERIFY(w.pictures->isVisible());
    QVERIFY(w.pictures->isActive());
    QCOMPARE(w.pictures->height(), 120);
    QCOMPARE(w.panel->height(), 160);
    QCOMPARE(w.pictures->itemCount(), 1);
    QCOMPARE(w.pictures->item(0).style, TRealTimeMarquee::ItemStyle::OwnerDraw);
    QCOMPARE(w.pictures->itemWidth(0), 300);
    QCOMPARE(w.image3->pixmap().height(), 120);

    // No advertisements: the count is written, no pager.
    QCOMPARE(w.adet, 0);
    QCOMPARE(w.pagers, 0);
    QVERIFY(!w.goruldu);

    // The loads ran one after the other, in their order.
    std::vector<std::string> calls;
    for (const auto &request : server.requests()) {
        if (request.path != ScriptedServer::handshakePath())
            calls.push_back(request.path);
    }
    std::vector<std::string> expected;
    for (const std::string &m : kMethods)
        expected.push_back(ScriptedServer::methodPath(m));
    QCOMPARE(calls, expected);
}

void TestAcilisYukleri::bottomBanner_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("panelHeight");
    QTest::newRow("10 bytes: nothing") << bmp(300, 120).left(10) << qint64(-1) << 90;
    QTest::newRow("11 bytes, no bitmap: nothing") << bmp(300, 120).left(11) << qint64(-1) << 90;
    QTest::newRow("incomplete download: nothing") << bmp(300, 120) << qint64(bmp(300, 120).size() + 5) << 90;
    QTest::newRow("size 0: text marquee only") << QByteArray() << qint64(0) << 40;
    QTest::newRow("60 pixels high") << bmp(200, 60) << qint64(-1) << 100;
}

void TestAcilisYukleri::bottomBanner()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, announced);
    QFETCH(int, panelHeight);
    ScriptedServer server;
    scriptAll(server);
    server.answer(ScriptedServer::methodPath("BannerResimVer3"), stream(bytes, announced));
    Window w(server.port());
    // As if designed otherwise, to see what the load changes.
    w.panel->setFixedHeight(90);
    w.host.m_window.show();
    DialogHelper dialogs;
    QVERIFY(w.run());
    QCOMPARE(dialogs.dialogCount(), 0);
    QCOMPARE(w.panel->height(), panelHeight);
    QCOMPARE(w.pictures->isVisible(), panelHeight == 100);
    QCOMPARE(w.pictures->itemCount(), panelHeight == 100 ? 1 : 0);
}

void TestAcilisYukleri::upperStrip_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<qint64>("announced");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("picture");
    QTest::newRow("gif: takes its height") << kGif << qint64(-1) << 1 << true;
    QTest::newRow("size 0: height 0") << QByteArray() << qint64(0) << 0 << false;
    QTest::newRow("incomplete: unchanged") << kGif << qint64(kGif.size() - 1) << 30 << false;
    QTest::newRow("not a gif: unchanged") << bmp(10, 10) << qint64(-1) << 30 << false;
}

void TestAcilisYukleri::upperStrip()
{
    QFETCH(QByteArray, bytes);
    QFETCH(qint64, announced);
    QFETCH(int, height);
    QFETCH(bool, picture);
    ScriptedServer server;
    scriptAll(server);
    server.answer(ScriptedServer::methodPath("BannerResimVer2"), stream(bytes, announced));
    Window w(server.port());
    w.upper->setFixedHeight(30);
    w.host.m_window.show();
    DialogHelper dialogs;
    QVERIFY(w.run());
    QCOMPARE(dialogs.dialogCount(), 0);
    QCOMPARE(w.upper->height(), height);
    QCOMPARE(w.upper->hasPicture(), picture);
}

void TestAcilisYukleri::blankMarqueeText()
{
    ScriptedServer server;
    scriptAll(server);
    server.answer(ScriptedServer::methodPath("KayanYaziGetir"), result({"  \t "}));
    Window w(server.port());
    w.text->addItem(QStringLiteral("eski"), TRealTimeMarquee::ItemStyle::Text);
    QVERIFY(w.run());
    QCOMPARE(w.text->itemCount(), 0);
    QVERIFY(w.text->isActive());
}

void TestAcilisYukleri::serverErrorsEndOnlyTheirLoad_data()
{
    QTest::addColumn<QString>("method");
    QTest::newRow("marquee text") << "KayanYaziGetir";
    QTest::newRow("counters") << "BalonGetir";
    QTest::newRow("header banner") << "BannerResimVer";
    QTest::newRow("advertisement count") << "AcilisReklamAdet";
}

void TestAcilisYukleri::serverErrorsEndOnlyTheirLoad()
{
    QFETCH(QString, method);
    ScriptedServer server;
    scriptAll(server);
    server.answer(ScriptedServer::methodPath("AcilisReklamAdet"), result({3}));
    server.answer(ScriptedServer::methodPath(method.toStdString()), {500, R"({"error":"Sunucu hatası"})"});
    Window w(server.port());
    w.host.m_window.show();
    DialogHelper dialogs;
    QVERIFY(w.run());
    QCOMPARE(dialogs.dialogCount(), 0);
    // Every load was asked for, whatever failed before it.
    for (const std::string &m : kMethods)
        QCOMPARE(server.requestsTo(ScriptedServer::methodPath(m)).size(), size_t(1));
    QCOMPARE(w.text->itemCount(), method == "KayanYaziGetir" ? 0 : 1);
    QCOMPARE(w.caption("ssepet"),
             method == "BalonGetir" ? QStringLiteral("Sepet") : QStringLiteral("3=Sepet"));
    QCOMPARE(w.header->hasPicture(), method != "BannerResimVer");
    QCOMPARE(w.panel->height(), 160);
    if (method == "AcilisReklamAdet") {
        QCOMPARE(w.adet, 0);
        QCOMPARE(w.pagers, 0);
        QCOMPARE(w.caption("sTabSheetduyuru"), QStringLiteral("2=Duyurular"));
    } else {
        QCOMPARE(w.adet, 3);
        QCOMPARE(w.pagers, 1);
        QVERIFY(w.goruldu);
        QCOMPARE(w.host.activeTab()->objectName(), QStringLiteral("skampanyali"));
    }
}

void TestAcilisYukleri::noConnection()
{
    RefusingPort refusing;
    Window w(refusing.port());
    w.host.m_window.show();
    DialogHelper dialogs;
    for (int i = 0; i < 6; ++i)
        dialogs.pressOnNext(QStringLiteral("Tamam"));
    QVERIFY(w.run());
    QCOMPARE(dialogs.dialogCount(), 6);
    for (const DialogHelper::Record &record : dialogs.records())
        QCOMPARE(record.text, BaglantiHatasi);
    QCOMPARE(w.header_loads, 1);
    QCOMPARE(w.adet, 0);
    QCOMPARE(w.pagers, 0);
    QCOMPARE(w.caption("ssepet"), QStringLiteral("Sepet"));
    QCOMPARE(w.panel->height(), 40);
    QCOMPARE(w.text->itemCount(), 0);
}

void TestAcilisYukleri::demoData()
{
    AppServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    Window w(server.port());
    w.host.bagc.setHostName(server.host());
    QVERIFY(SunucuCagir(w.host.bagc, 0, [&](TServerMethods1Client &proxy) {
        w.host.sbilgi = proxy.BuyukGetir(QStringLiteral("DEMO-BAYI")).value();
    }));
    w.host.m_window.show();
    QVERIFY(w.run());
    const int duyurular =
        server.query("SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 0").first().first().toInt();
    const int reklamlar =
        server.query("SELECT COUNT(*) FROM DUYURU WHERE REKLAM = 1").first().first().toInt();
    QCOMPARE(w.caption("sTabSheetduyuru"), QStringLiteral("%1=Duyurular").arg(duyurular));
    QCOMPARE(w.adet, reklamlar);
    QCOMPARE(w.caption("ssepet").section('=', 1), QStringLiteral("Sepet"));
    QCOMPARE(w.caption("sTabbakiyeler").section('=', 1), QStringLiteral("Bakiyeler"));
    QCOMPARE(w.pagers, reklamlar > 0 ? 1 : 0);
    QVERIFY(w.header->hasPicture());
    QVERIFY(w.header->frameCount() >= 1);
    QCOMPARE(w.text->itemCount(), 1);
    const QByteArray upper =
        server.query("SELECT RESIM FROM BANNER WHERE NO = 2").value(0).value(0).toByteArray();
    if (!upper.isEmpty())
        QCOMPARE(w.upper->height(), QImage::fromData(upper, "GIF").height());
    const QByteArray lower =
        server.query("SELECT RESIM FROM BANNER WHERE NO = 3").value(0).value(0).toByteArray();
    if (lower.size() >= 11)
        QCOMPARE(w.panel->height(), QImage::fromData(lower, "BMP").height() + 40);
}

QTEST_MAIN(TestAcilisYukleri)
#include "tst_acilisyukleri.moc"

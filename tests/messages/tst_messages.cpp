#include "app/core/utils.h"
#include "messages/acilisreklamu.h"
#include "messages/acilisyukleri.h"
#include "messages/duyurusekmesi.h"
#include "messages/hedefyonlendir.h"
#include "messages/hexcoz.h"
#include "messages/mailformu.h"
#include "messages/virgullumetin.h"
#include "platform/dbx/jsonmarshal.h"
#include "platform/grid/gridview.h"
#include "platform/system/exception.h"
#include "platform/widgets/zoomimage.h"
#include "server/mobilstokunit.h"
#include "tests/messages/messageshost.h"
#include "tests/support/appserverfixture.h"
#include "tests/support/dialoghelper.h"
#include "tests/support/scriptedserver.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include <boost/json.hpp>

namespace {

QString hexOf(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toHex().toUpper());
}

QByteArray jpeg(const QColor &color)
{
    QImage image(60, 40, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return bytes;
}

TAcilisEkran ekran(int no, const QString &resim, const QString &baslik, const QString &arama)
{
    TAcilisEkran e;
    e.setSiraNo(no);
    e.setResim(resim);
    e.setBaslik(baslik);
    e.setArama(arama);
    return e;
}

ScriptedServer::Answer result(boost::json::value value)
{
    boost::json::object body;
    body["result"] = boost::json::array{std::move(value)};
    return {200, boost::json::serialize(body)};
}

// The dialog shows the message's "\r\n" as one line break.
const QString kMailHatasi = QStringLiteral("Mail Göndermede Hata\nLütfen Tekrar Deneyin !");

int firstParameter(const std::string &body)
{
    return int(boost::json::parse(body).as_object().at("_parameters").as_array().at(0).to_number<int>());
}

} // namespace

class TestMessages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void hexCoz_data();
    void hexCoz();
    void hexCozRefuses_data();
    void hexCozRefuses();
    void virgulluMetin_data();
    void virgulluMetin();
    void balonBasliklari();
    void hedefYonlendir_data();
    void hedefYonlendir();

    void duyurularLoad();
    void duyurularBadPictureKeepsRows();
    void duyurularNoConnection();
    void duyurularDoubleClick_data();
    void duyurularDoubleClick();
    void duyurularOneLoadAtATime();

    void reklamPaging();
    void reklamKeysClose_data();
    void reklamKeysClose();
    void reklamChoose_data();
    void reklamChoose();
    void reklamGosterRoutesOnce();

    void mailSends();
    void mailValidation_data();
    void mailValidation();
    void mailFailure();
    void mailCloseIgnoredWhileSending();
};

void TestMessages::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::Turkish, QLocale::Turkey));
    setRetryWait([](int) {});
}

void TestMessages::cleanup()
{
    QTRY_VERIFY(!QApplication::activeModalWidget());
}

void TestMessages::hexCoz_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("upper") << "FFD8FF" << QByteArray("\xff\xd8\xff", 3);
    QTest::newRow("lower") << "ffd8ff" << QByteArray("\xff\xd8\xff", 3);
    QTest::newRow("odd length") << "ABC" << QByteArray("\xab\x0c", 2);
    QTest::newRow("single digit A") << "A" << QByteArray("\x0a", 1);
    QTest::newRow("empty") << "" << QByteArray();
    QTest::newRow("zero bytes") << "0000" << QByteArray("\0\0", 2);
}

void TestMessages::hexCoz()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(HexCoz(text), bytes);
}

void TestMessages::hexCozRefuses_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("letter G") << "FFG0";
    QTest::newRow("blank") << "FF 0";
    QTest::newRow("odd last not hex") << "FFZ";
    QTest::newRow("dotted i") << "İ0";
}

void TestMessages::hexCozRefuses()
{
    QFETCH(QString, text);
    QVERIFY_THROWS_EXCEPTION(EConvertError, HexCoz(text));
}

void TestMessages::virgulluMetin_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("text");
    QTest::newRow("word and two words") << QStringList{"merhaba", "iki kelime"} << "merhaba,\"iki kelime\"";
    QTest::newRow("comma") << QStringList{"a,b", "c"} << "\"a,b\",c";
    QTest::newRow("quote doubled") << QStringList{"5\" boru"} << "\"5\"\" boru\"";
    QTest::newRow("tab") << QStringList{"a\tb"} << "\"a\tb\"";
    QTest::newRow("turkish letters plain") << QStringList{"Şükran", "İyi"} << "Şükran,İyi";
    QTest::newRow("empty line") << QStringList{"a", "", "b"} << "a,,b";
}

void TestMessages::virgulluMetin()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, text);
    QCOMPARE(VirgulluMetin(lines), text);
}

void TestMessages::balonBasliklari()
{
    QCOMPARE(BalonBasliklari({3, 12, 7, 2, 1.5}),
             QStringList({"3=Sepet", "12=Yeni Stoklar", "7=Kampanyalı", "2=Duyurular", "1,5=Bakiyeler"}));
    QCOMPARE(BalonBasliklari({0, 0, 0, 0, 3.0}).last(), QStringLiteral("3=Bakiyeler"));
}

void TestMessages::hedefYonlendir_data()
{
    QTest::addColumn<QString>("hedef");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("searches");
    QTest::newRow("campaign") << "#KAMPANYA#"
                              << "skampanyali" << QStringList();
    QTest::newRow("new with dotted I") << "#YENİ#"
                                       << "syeniler" << QStringList();
    QTest::newRow("campaign lower case searches") << "#kampanya#"
                                                  << "sstoklistesi" << QStringList{"#kampanya#"};
    QTest::newRow("new with plain I searches") << "#YENI#"
                                               << "sstoklistesi" << QStringList{"#YENI#"};
    QTest::newRow("untrimmed tag searches") << " #KAMPANYA#"
                                            << "sstoklistesi" << QStringList{" #KAMPANYA#"};
    QTest::newRow("part number") << "OC 90"
                                 << "sstoklistesi" << QStringList{"OC 90"};
    QTest::newRow("one letter still asks") << "X"
                                           << "sstoklistesi" << QStringList{"X"};
}

void TestMessages::hedefYonlendir()
{
    QFETCH(QString, hedef);
    QFETCH(QString, tab);
    QFETCH(QStringList, searches);
    MessagesHost host(QStringLiteral("127.0.0.1"), 1);
    HedefYonlendir(host, hedef);
    QCOMPARE(host.activeTab()->objectName(), tab);
    QCOMPARE(host.searches, searches);
    if (!searches.isEmpty())
        QCOMPARE(host.araedit->text(), hedef);
}

// Announcements ------------------------------------------------------------------------------

void TestMessages::duyurularLoad()
{
    ScriptedServer server;
    TAcilisEkranlariki all;
    const QByteArray red = jpeg(Qt::red);
    all.setEkranlar({ekran(1, hexOf(red), "Bir", "#KAMPANYA#"), ekran(2, QString(), "İki", "OC 90"),
                     ekran(3, hexOf(red).toLower(), "Üç", QString())});
    server.answer(ScriptedServer::methodPath("AcilisEkranlarVer2"), result(TJSONMarshal::marshal(all)));
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    TDuyuruSekmesi tab(host, host.tabSheet("sTabSheetduyuru"), nullptr);
    QSignalSpy loaded(&tab, &TDuyuruSekmesi::loaded);
    host.m_window.show();
    host.activateTab(host.tabSheet("sTabSheetduyuru"));
    QVERIFY(loaded.wait(10000));
    QCOMPARE(loaded.first().first().toBool(), false);
    GridView *grid = tab.grid();
    QVERIFY(grid->isEnabled());
    QVERIFY(!grid->isUpdating());
    QCOMPARE(grid->recordCount(), 3);
    QCOMPARE(grid->rawValue(tab.pictureColumn(), 0).toByteArray(), red);
    QVERIFY(grid->rawValue(tab.pictureColumn(), 1).toByteArray().isEmpty());
    QCOMPARE(grid->rawValue(tab.pictureColumn(), 2).toByteArray(), red);
    QCOMPARE(grid->rawValue(tab.targetColumn(), 1).toString(), QStringLiteral("OC 90"));
    QVERIFY(!grid->headerVisible());
    QCOMPARE(grid->rowHeight(), 405);
    QCOMPARE(tab.pictureColumn()->Width(), 605);
    QVERIFY(!tab.targetColumn()->Visible());
    QVERIFY(!tab.targetColumn()->VisibleForCustomization());
    // The caption's count is not this load's business.
    QCOMPARE(host.tabCaption(host.tabSheet("sTabSheetduyuru")), QStringLiteral("Duyurular"));

    // An empty list empties the grid without a message.
    server.answer(ScriptedServer::methodPath("AcilisEkranlarVer2"),
                  result(TJSONMarshal::marshal(TAcilisEkranlariki())));
    DialogHelper dialogs;
    tab.sTabSheetduyuruShow();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(grid->recordCount(), 0);
    QCOMPARE(dialogs.dialogCount(), 0);
}

void TestMessages::duyurularBadPictureKeepsRows()
{
    ScriptedServer server;
    TAcilisEkranlariki good;
    good.setEkranlar({ekran(1, "FFD8FF", "Bir", "A1"), ekran(2, "FFD8FF", "İki", "A2")});
    TAcilisEkranlariki bad;
    bad.setEkranlar({ekran(1, "FFD8FF", "Bir", "B1"), ekran(2, "FFD8FG", "İki", "B2")});
    const std::string path = ScriptedServer::methodPath("AcilisEkranlarVer2");
    server.answerOnce(path, result(TJSONMarshal::marshal(good)));
    server.answerOnce(path, result(TJSONMarshal::marshal(bad)));
    server.answerOnce(path, {500, R"({"error":"Sunucu hatası"})"});
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    TDuyuruSekmesi tab(host, host.tabSheet("sTabSheetduyuru"), nullptr);
    QSignalSpy loaded(&tab, &TDuyuruSekmesi::loaded);
    tab.sTabSheetduyuruShow();
    QVERIFY(loaded.wait(10000));
    QCOMPARE(tab.grid()->recordCount(), 2);

    for (int round = 0; round < 2; ++round) {
        DialogHelper dialogs;
        dialogs.pressOnNext(QStringLiteral("Tamam"));
        tab.sTabSheetduyuruShow();
        QVERIFY(dialogs.waitForDialogs(1));
        QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), round + 2, 10000);
        QCOMPARE(loaded.last().first().toBool(), true);
        QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
        QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
        QCOMPARE(tab.grid()->recordCount(), 2);
        QCOMPARE(tab.grid()->rawValue(tab.targetColumn(), 0).toString(), QStringLiteral("A1"));
        QVERIFY(tab.grid()->isEnabled());
    }
}

void TestMessages::duyurularNoConnection()
{
    RefusingPort refusing;
    MessagesHost host(QStringLiteral("127.0.0.1"), refusing.port());
    TDuyuruSekmesi tab(host, host.tabSheet("sTabSheetduyuru"), nullptr);
    QSignalSpy loaded(&tab, &TDuyuruSekmesi::loaded);
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    tab.sTabSheetduyuruShow();
    QVERIFY(dialogs.waitForDialogs(1));
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 1, 10000);
    QCOMPARE(dialogs.dialogCount(), 1);
    QCOMPARE(dialogs.records().first().text, BaglantiHatasi);
    QCOMPARE(tab.grid()->recordCount(), 0);
}

void TestMessages::duyurularDoubleClick_data()
{
    QTest::addColumn<QString>("hedef");
    QTest::addColumn<QString>("tab");
    QTest::addColumn<QStringList>("searches");
    QTest::newRow("campaign") << "#KAMPANYA#"
                              << "skampanyali" << QStringList();
    QTest::newRow("new") << "#YENİ#"
                         << "syeniler" << QStringList();
    QTest::newRow("lower case tag searches") << "#kampanya#"
                                             << "sTabSheetduyuru" << QStringList{"#kampanya#"};
    QTest::newRow("blanks do nothing") << "   "
                                       << "sTabSheetduyuru" << QStringList();
    QTest::newRow("empty does nothing") << ""
                                        << "sTabSheetduyuru" << QStringList();
}

void TestMessages::duyurularDoubleClick()
{
    QFETCH(QString, hedef);
    QFETCH(QString, tab);
    QFETCH(QStringList, searches);
    ScriptedServer server;
    TAcilisEkranlariki all;
    all.setEkranlar({ekran(1, hexOf(jpeg(Qt::blue)), "Bir", hedef)});
    server.answer(ScriptedServer::methodPath("AcilisEkranlarVer2"), result(TJSONMarshal::marshal(all)));
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    TDuyuruSekmesi duyurular(host, host.tabSheet("sTabSheetduyuru"), nullptr);
    QSignalSpy loaded(&duyurular, &TDuyuruSekmesi::loaded);
    host.m_window.show();
    host.activateTab(host.tabSheet("sTabSheetduyuru"));
    QVERIFY(loaded.wait(10000));
    QCOMPARE(duyurular.grid()->recordCount(), 1);
    duyurular.grid()->setFocusedRecord(0);
    QTableView *view = duyurular.grid()->tableView();
    const QRect cell = view->visualRect(view->model()->index(0, 0));
    QVERIFY(cell.isValid());
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(host.activeTab()->objectName(), tab);
    QCOMPARE(host.searches, searches);
}

void TestMessages::duyurularOneLoadAtATime()
{
    ScriptedServer server;
    TAcilisEkranlariki all;
    all.setEkranlar({ekran(1, "FFD8FF", "Bir", "A")});
    ScriptedServer::Answer slow = result(TJSONMarshal::marshal(all));
    slow.delayMs = 400;
    server.answer(ScriptedServer::methodPath("AcilisEkranlarVer2"), slow);
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    TDuyuruSekmesi tab(host, host.tabSheet("sTabSheetduyuru"), nullptr);
    QSignalSpy loaded(&tab, &TDuyuruSekmesi::loaded);
    tab.sTabSheetduyuruShow();
    QVERIFY(tab.isLoading());
    QVERIFY(!tab.grid()->isEnabled());
    tab.sTabSheetduyuruShow();
    tab.sTabSheetduyuruShow();
    QTRY_COMPARE_WITH_TIMEOUT(loaded.count(), 2, 10000);
    QTest::qWait(600);
    QCOMPARE(loaded.count(), 2);
    QCOMPARE(int(server.requestsTo(ScriptedServer::methodPath("AcilisEkranlarVer2")).size()), 2);
    QVERIFY(!tab.isLoading());
}

// Opening advertisements ------------------------------------------------------------------------

namespace {

// n advertisements; page targets by position; records the positions asked for.
void scriptAds(ScriptedServer &server, const QStringList &targets)
{
    server.answer(ScriptedServer::methodPath("AcilisReklamAdet"), result(int(targets.size())));
    const std::string adPath = ScriptedServer::methodPath("AcilisREklamVer");
    const QStringList copy = targets;
    server.setHandler([copy, adPath](const ScriptedServer::Request &request) -> ScriptedServer::Answer {
        if (request.path == ScriptedServer::handshakePath())
            return {200, R"({"result":["Embarcadero.DataSnap"]})"};
        if (request.path != adPath)
            return {404, "{}"};
        const int sira = firstParameter(request.body);
        if (sira < 0 || sira >= copy.size())
            return result(nullptr);
        const QColor colors[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        return result(TJSONMarshal::marshal(ekran(sira + 1, hexOf(jpeg(colors[sira % 4])),
                                                  QStringLiteral("Reklam %1").arg(sira + 1), copy[sira])));
    });
}

QString counter(Tacilisreklam &pager)
{
    return pager.findChild<QLabel *>("Label2")->text();
}

} // namespace

void TestMessages::reklamPaging()
{
    ScriptedServer server;
    scriptAds(server, {"#KAMPANYA#", "OC 90", ""});
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tacilisreklam pager(&host.m_window);
    QSignalSpy pages(&pager, &Tacilisreklam::pageLoaded);
    pager.Ac(&host.m_window, host.bagc, host.sbilgi);
    pager.show();
    QVERIFY(pages.wait(10000));
    QCOMPARE(counter(pager), QStringLiteral("1 / 3"));
    QCOMPARE(pager.findChild<QLabel *>("Label1")->text(), QStringLiteral("Reklam 1"));
    QCOMPARE(pager.arama, QStringLiteral("#KAMPANYA#"));
    QVERIFY(!pager.findChild<ZoomImage *>("cxImage1")->image().isNull());
    QVERIFY(pager.findChild<ZoomImage *>("cxImage1")->zoomTrackBarVisible());
    QCOMPARE(pager.size(), QSize(606, 480));

    QTest::keyClick(&pager, Qt::Key_Left);
    QTest::qWait(200);
    QCOMPARE(pages.count(), 1);
    QCOMPARE(counter(pager), QStringLiteral("1 / 3"));

    QTest::keyClick(&pager, Qt::Key_Right);
    // While the page loads, the arrows do nothing.
    QVERIFY(pager.isLoading());
    QVERIFY(!pager.findChild<QToolButton *>("Button2")->isEnabled());
    QTest::keyClick(&pager, Qt::Key_Right);
    QVERIFY(pages.wait(10000));
    QCOMPARE(counter(pager), QStringLiteral("2 / 3"));
    QCOMPARE(pager.arama, QStringLiteral("OC 90"));
    QTest::keyClick(&pager, Qt::Key_Right);
    QVERIFY(pages.wait(10000));
    QCOMPARE(counter(pager), QStringLiteral("3 / 3"));
    QTest::keyClick(&pager, Qt::Key_Right);
    QTest::qWait(200);
    QCOMPARE(pages.count(), 3);
    QCOMPARE(counter(pager), QStringLiteral("3 / 3"));
    QVERIFY(pager.isVisible());

    // The buttons leaf as the keys do.
    QTest::mouseClick(pager.findChild<QToolButton *>("Button1"), Qt::LeftButton);
    QVERIFY(pages.wait(10000));
    QCOMPARE(counter(pager), QStringLiteral("2 / 3"));

    std::vector<int> asked;
    for (const auto &request : server.requestsTo(ScriptedServer::methodPath("AcilisREklamVer")))
        asked.push_back(firstParameter(request.body));
    QCOMPARE(asked, (std::vector<int>{0, 1, 2, 1}));
}

void TestMessages::reklamKeysClose_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("escape") << int(Qt::Key_Escape);
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("letter") << int(Qt::Key_A);
    QTest::newRow("down") << int(Qt::Key_Down);
}

void TestMessages::reklamKeysClose()
{
    QFETCH(int, key);
    ScriptedServer server;
    scriptAds(server, {"#KAMPANYA#", "OC 90", "X"});
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tacilisreklam pager(&host.m_window);
    QSignalSpy pages(&pager, &Tacilisreklam::pageLoaded);
    pager.Ac(&host.m_window, host.bagc, host.sbilgi);
    pager.show();
    QVERIFY(pages.wait(10000));
    QTest::keyClick(&pager, Qt::Key(key));
    QVERIFY(!pager.isVisible());
    QCOMPARE(pager.result(), 2);
}

void TestMessages::reklamChoose_data()
{
    QTest::addColumn<QString>("hedef");
    QTest::addColumn<int>("sonuc");
    QTest::newRow("campaign") << "#KAMPANYA#" << 1;
    QTest::newRow("part number") << "OC 90" << 1;
    QTest::newRow("blank") << "   " << 2;
    QTest::newRow("empty") << "" << 2;
}

void TestMessages::reklamChoose()
{
    QFETCH(QString, hedef);
    QFETCH(int, sonuc);
    ScriptedServer server;
    scriptAds(server, {hedef});
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tacilisreklam pager(&host.m_window);
    QSignalSpy pages(&pager, &Tacilisreklam::pageLoaded);
    pager.Ac(&host.m_window, host.bagc, host.sbilgi);
    pager.show();
    QVERIFY(pages.wait(10000));
    QWidget *picture = pager.findChild<ZoomImage *>("cxImage1")->findChild<QWidget *>("picture");
    QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
    QVERIFY(!pager.isVisible());
    QCOMPARE(pager.result(), sonuc);
    QCOMPARE(pager.arama, hedef);
}

void TestMessages::reklamGosterRoutesOnce()
{
    ScriptedServer server;
    scriptAds(server, {"#YENİ#"});
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    int adet = 1;
    bool goruldu = false;
    AcilisHedefleri hedef;
    hedef.acilisAdet = [&] { return adet; };
    hedef.setAcilisAdet = [&](int n) { adet = n; };
    hedef.acilisGoruldu = [&] { return goruldu; };
    hedef.setAcilisGoruldu = [&](bool g) { goruldu = g; };
    auto yukleri = std::make_shared<TAcilisYukleri>(host, hedef);
    DialogHelper dialogs;
    dialogs.interactOnNext([](QWidget *dialog) -> QString {
        auto *pager = qobject_cast<Tacilisreklam *>(dialog);
        if (!pager)
            return QStringLiteral("not the pager");
        if (!QTest::qWaitFor([&] { return !pager->isLoading(); }, 10000))
            return QStringLiteral("page 1 did not load");
        QWidget *picture = pager->findChild<QWidget *>("picture");
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->rect().center());
        return {};
    });
    yukleri->AcilisReklamGoster();
    QCOMPARE(dialogs.dialogCount(), 1);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
    QCOMPARE(host.activeTab()->objectName(), QStringLiteral("syeniler"));
    QVERIFY(goruldu);
    // At most once per run.
    host.activateTab(host.tabSheet("sstoklistesi"));
    yukleri->AcilisReklamGoster();
    QCOMPARE(dialogs.dialogCount(), 1);
    QCOMPARE(host.activeTab()->objectName(), QStringLiteral("sstoklistesi"));
}

// Mail --------------------------------------------------------------------------------------------

namespace {

void fill(Tmailform &form, const QString &title, const QString &text)
{
    form.findChild<QLineEdit *>("baslik")->setText(title);
    form.findChild<QPlainTextEdit *>("konu")->setPlainText(text);
}

} // namespace

void TestMessages::mailSends()
{
    AppServerFixture server;
    QVERIFY2(server.isRunning(), qPrintable(server.errorString()));
    MessagesHost host(server.host(), server.port());
    host.sbilgi.setBILGISAYARID(QStringLiteral("DEMO-BAYI"));
    // Acting for another customer: the account registered to the computer still travels.
    host.sbilgi.setCARINO(105);
    Tmailform form(&host.m_window, host.bagc, host.sbilgi);
    const TSQLConnection *clone = form.connection();
    form.show();
    fill(form, QStringLiteral("  Sipariş hk."), QStringLiteral("merhaba\niki kelime"));
    QSignalSpy sent(&form, &Tmailform::sent);
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(form.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(form.isSending());
    QVERIFY(dialogs.waitForDialogs(1));
    QVERIFY(sent.wait(10000) || sent.count() == 1);
    QCOMPARE(dialogs.records().first().text, QStringLiteral("Mail Gönderildi !"));
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Bilgi"));
    QVERIFY(!form.isSending());
    QVERIFY(form.isVisible());
    QCOMPARE(form.findChild<QLineEdit *>("baslik")->text(), QStringLiteral("  Sipariş hk."));

    const QList<QVariantList> rows =
        server.query("SELECT IDSI, BASLIK, FIRMAADI, KONU, KARGOAMBAR FROM MAIL WHERE TUR = 'MAIL'");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0][0].toString(), QStringLiteral("DEMO-BAYI"));
    QCOMPARE(rows[0][1].toString(), QStringLiteral("  Sipariş hk."));
    QCOMPARE(rows[0][2].toString(), QStringLiteral("KAYA OTO YEDEK PARÇA LTD. ŞTİ."));
    QCOMPARE(rows[0][3].toString(), QStringLiteral("merhaba,\"iki kelime\""));
    QCOMPARE(rows[0][4].toString(), QString());

    // Again from the same window, over the same clone.
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(form.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(2));
    QCOMPARE(form.connection(), clone);
    QCOMPARE(server.query("SELECT COUNT(*) FROM MAIL WHERE TUR = 'MAIL'").first().first().toInt(), 2);
}

void TestMessages::mailValidation_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("title of blanks with text") << "   "
                                               << "metin"
                                               << "Lütfen Başlık Giriniz !"
                                               << "baslik";
    QTest::newRow("both empty: title first") << ""
                                             << ""
                                             << "Lütfen Başlık Giriniz !"
                                             << "baslik";
    QTest::newRow("text of blanks") << "Konu"
                                    << "  \n  "
                                    << "Lütfen Konu Giriniz !"
                                    << "konu";
}

void TestMessages::mailValidation()
{
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    ScriptedServer server;
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tmailform form(&host.m_window, host.bagc, host.sbilgi);
    form.show();
    fill(form, title, text);
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(form.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().text, message);
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Uyarı"));
    QCOMPARE(dialogs.records().first().buttons, QStringList{"Tamam"});
    QWidget *focused = form.focusWidget();
    QVERIFY(focused);
    QCOMPARE(focused->objectName(), focus);
    if (focus == QLatin1String("konu"))
        QCOMPARE(form.findChild<QPlainTextEdit *>("konu")->textCursor().selectedText().size(), text.size());
    QVERIFY(!form.isSending());
    QCOMPARE(server.requests().size(), size_t(0));
}

void TestMessages::mailFailure()
{
    ScriptedServer server;
    // The computer has no account record: nothing can be sent.
    server.answer(ScriptedServer::methodPath("MobilCariBilgisiGetir"), result(nullptr));
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tmailform form(&host.m_window, host.bagc, host.sbilgi);
    form.show();
    fill(form, QStringLiteral("Konu"), QStringLiteral("metin"));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(form.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().text, kMailHatasi);
    QCOMPARE(dialogs.records().first().title, QStringLiteral("Hata"));
    QVERIFY(server.requestsTo(ScriptedServer::methodPath("MailGonserCariNormal")).empty());
    QTRY_VERIFY(!form.isSending());

    // A refused connection: the same message, once, no connection message.
    RefusingPort refusing;
    host.bagc.setPort(refusing.port());
    Tmailform second(&host.m_window, host.bagc, host.sbilgi);
    second.show();
    fill(second, QStringLiteral("Konu"), QStringLiteral("metin"));
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(second.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(dialogs.waitForDialogs(2));
    QTest::qWait(200);
    QCOMPARE(dialogs.dialogCount(), 2);
    QCOMPARE(dialogs.records().last().text, kMailHatasi);
    QVERIFY2(dialogs.problems().isEmpty(), qPrintable(dialogs.problems()));
}

void TestMessages::mailCloseIgnoredWhileSending()
{
    ScriptedServer server;
    TMobilCariBilgisi cari;
    cari.setCARIADI(QStringLiteral("DENEME"));
    ScriptedServer::Answer slow = result(TJSONMarshal::marshal(cari));
    slow.delayMs = 500;
    server.answer(ScriptedServer::methodPath("MobilCariBilgisiGetir"), slow);
    server.answer(ScriptedServer::methodPath("MailGonserCariNormal"), result(1));
    MessagesHost host(QStringLiteral("127.0.0.1"), server.port());
    Tmailform form(&host.m_window, host.bagc, host.sbilgi);
    form.show();
    fill(form, QStringLiteral("Konu"), QStringLiteral("metin"));
    DialogHelper dialogs;
    dialogs.pressOnNext(QStringLiteral("Tamam"));
    QTest::mouseClick(form.findChild<QPushButton *>("Button2"), Qt::LeftButton);
    QVERIFY(form.isSending());
    QVERIFY(!form.findChild<QPushButton *>("Button2")->isEnabled());
    form.Button1Click();
    QTest::keyClick(&form, Qt::Key_Escape);
    form.close();
    QVERIFY(form.isVisible());
    QVERIFY(dialogs.waitForDialogs(1));
    QCOMPARE(dialogs.records().first().text, QStringLiteral("Mail Gönderildi !"));
    QTRY_VERIFY(!form.isSending());
    QTest::mouseClick(form.findChild<QPushButton *>("Button1"), Qt::LeftButton);
    QVERIFY(!form.isVisible());
}

QTEST_MAIN(TestMessages)
#include "tst_messages.moc"

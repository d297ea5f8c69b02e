#include "platform/widgets/realtimemarquee.h"
#include "platform/widgets/rxgifanimator.h"
#include "platform/widgets/zoomimage.h"

#include <QBuffer>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

namespace {

const QByteArray kGif = QByteArray::fromHex("474946383961010001008000000000"
                                            "00ffffff21f90401000000002c00000000"
                                            "010001000002024401003b");

// Two frames a tenth of a second apart, looping.
const QByteArray kAnimated =
    QByteArray::fromHex("474946383961010001008000000000"
                        "00ffffff21ff0b4e45545343415045322e300301000000"
                        "21f904000a00000"
                        "02c000000000100010000020244010021f904000a0000002c0000000001000100"
                        "00020244010"
                        "03b");

QByteArray png()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// Colour at the marquee's vertical centre, x pixels from its left edge.
QColor pixelAt(TRealTimeMarquee &marquee, int x)
{
    return marquee.grab().toImage().pixelColor(x, marquee.height() / 2);
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void marqueeItems();
    void marqueeScrollsAndWraps();
    void marqueeOwnerDrawn();
    void marqueeHtmlIsRendered();
    void gifAnimator();
    void gifAutoSize();
    void zoomImage();
};

void TestWidgets::marqueeItems()
{
    TRealTimeMarquee marquee;
    QCOMPARE(marquee.itemCount(), 0);
    QCOMPARE(marquee.addItem(QStringLiteral("bir"), TRealTimeMarquee::ItemStyle::Text), 0);
    QCOMPARE(marquee.addItem(QStringLiteral("<b>iki</b>"), TRealTimeMarquee::ItemStyle::Html), 1);
    QCOMPARE(marquee.itemCount(), 2);
    QCOMPARE(marquee.item(1).style, TRealTimeMarquee::ItemStyle::Html);
    QVERIFY(marquee.itemWidth(0) > 0);
    marquee.start();
    QVERIFY(marquee.isActive());
    marquee.stop();
    QVERIFY(!marquee.isActive());
    marquee.clearItems();
    QCOMPARE(marquee.itemCount(), 0);
    QCOMPARE(marquee.itemWidth(0), 0);
}

void TestWidgets::marqueeScrollsAndWraps()
{
    TRealTimeMarquee marquee;
    marquee.resize(200, 40);
    marquee.setColor(QColor(253, 253, 253));
    marquee.setSpeed(10);
    QFont font;
    font.setPixelSize(24);
    marquee.setFont(font);
    marquee.addItem(QStringLiteral("██████"), TRealTimeMarquee::ItemStyle::Text);
    const int width = marquee.itemWidth(0);
    QVERIFY(width > 20);
    // It enters from the right edge.
    QCOMPARE(pixelAt(marquee, 195), QColor(253, 253, 253));
    QCOMPARE(marquee.offset(), 0);
    for (int i = 0; i < 3; ++i)
        marquee.step();
    QCOMPARE(marquee.offset(), 30);
    QVERIFY(pixelAt(marquee, 185) != QColor(253, 253, 253));
    QCOMPARE(pixelAt(marquee, 150), QColor(253, 253, 253));
    // Once the strip has left at the left, it starts over.
    int steps = 0;
    while (marquee.offset() != 0 && steps < 1000) {
        marquee.step();
        ++steps;
    }
    QVERIFY(steps < 1000);
    QVERIFY((steps + 3) * 10 > 200 + width);
}

void TestWidgets::marqueeOwnerDrawn()
{
    TRealTimeMarquee marquee;
    marquee.resize(300, 60);
    QImage picture(50, 60, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    int calls = 0;
    marquee.setDrawItem([&](int item, QImage &bitmap) {
        QCOMPARE(item, 0);
        ++calls;
        bitmap = picture;
    });
    marquee.addItem(QString(), TRealTimeMarquee::ItemStyle::OwnerDraw);
    QVERIFY(calls >= 1);
    QCOMPARE(marquee.itemWidth(0), 50);
    marquee.setSpeed(100);
    marquee.step();
    QCOMPARE(pixelAt(marquee, 210), QColor(Qt::blue));
    picture.fill(Qt::green);
    marquee.refreshItems();
    QCOMPARE(pixelAt(marquee, 210), QColor(Qt::green));
}

void TestWidgets::marqueeHtmlIsRendered()
{
    TRealTimeMarquee plain;
    TRealTimeMarquee html;
    for (TRealTimeMarquee *m : {&plain, &html})
        m->resize(400, 40);
    plain.addItem(QStringLiteral("<b>kalın</b>"), TRealTimeMarquee::ItemStyle::Text);
    html.addItem(QStringLiteral("<b>kalın</b>"), TRealTimeMarquee::ItemStyle::Html);
    // The markup is not shown as text: the HTML item is narrower than its source.
    QVERIFY(html.itemWidth(0) < plain.itemWidth(0));
}

void TestWidgets::gifAnimator()
{
    TRxGIFAnimator label;
    QVERIFY(!label.hasPicture());
    QVERIFY(!label.loadGif(png()));
    QVERIFY(!label.hasPicture());
    QVERIFY(label.loadGif(kGif));
    QVERIFY(label.hasPicture());
    QCOMPARE(label.pictureSize(), QSize(1, 1));
    QCOMPARE(label.frameCount(), 1);
    QVERIFY(label.movie());
    QVERIFY(label.loadGif(kAnimated));
    QCOMPARE(label.frameCount(), 2);
    QVERIFY(label.isAnimating());
    // A broken picture leaves the old one.
    QVERIFY(!label.loadGif(kGif.left(12)));
    QVERIFY(label.hasPicture());
    label.clearPicture();
    QVERIFY(!label.hasPicture());
    QVERIFY(!label.movie());
}

void TestWidgets::gifAutoSize()
{
    TRxGIFAnimator strip;
    strip.setFixedHeight(0);
    strip.loadGif(kGif);
    QCOMPARE(strip.height(), 0);
    strip.setAutoSize(true);
    strip.loadGif(kGif);
    QCOMPARE(strip.height(), 1);
}

void TestWidgets::zoomImage()
{
    ZoomImage image;
    image.resize(300, 220);
    image.show();
    QVERIFY(QTest::qWaitForWindowExposed(&image));
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::red);
    image.setImage(picture);
    QCOMPARE(image.zoom(), 100);
    QWidget *canvas = image.findChild<QWidget *>("picture");
    QVERIFY(canvas);
    const QImage shown = canvas->grab().toImage();
    QCOMPARE(shown.pixelColor(canvas->width() / 2, canvas->height() / 2), QColor(Qt::red));
    QCOMPARE(shown.pixelColor(canvas->width() / 2, 2), QColor(Qt::white));
    image.setZoom(400);
    QCOMPARE(image.zoomTrackBar()->value(), 400);
    QCOMPARE(canvas->grab().toImage().pixelColor(canvas->width() / 2, 2), QColor(Qt::red));

    QSignalSpy clicked(&image, &ZoomImage::clicked);
    QTest::mouseClick(image.zoomTrackBar(), Qt::LeftButton);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(canvas, Qt::LeftButton, {}, canvas->rect().center());
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"

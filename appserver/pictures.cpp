#include "appserver/pictures.h"

#include <QBuffer>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>

#include <gif_lib.h>

#include <mutex>

namespace appserver {

namespace {

const QColor kPalette[] = {QColor(0, 84, 147),   QColor(196, 30, 58), QColor(0, 122, 61),
                           QColor(230, 126, 34), QColor(52, 73, 94),  QColor(142, 68, 173)};

QColor paletteColour(int i)
{
    constexpr int n = int(sizeof(kPalette) / sizeof(kPalette[0]));
    return kPalette[((i % n) + n) % n];
}

// Font rendering is not guaranteed to be re-entrant on every platform plugin; pictures are rare.
std::mutex &paintMutex()
{
    static std::mutex m;
    return m;
}

QByteArray encode(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

void drawCan(QPainter &p, const QRectF &r, const QColor &c)
{
    QLinearGradient g(r.topLeft(), r.topRight());
    g.setColorAt(0, c.darker(160));
    g.setColorAt(0.35, c.lighter(130));
    g.setColorAt(1, c.darker(180));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r, 18, 18);
    p.setBrush(QColor(60, 60, 60));
    p.drawEllipse(QRectF(r.left() + r.width() * 0.2, r.top() - 14, r.width() * 0.6, 28));
}

void drawPanel(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c.darker(140));
    p.drawRect(r);
    p.setBrush(QColor(245, 240, 225));
    const QRectF inner = r.adjusted(12, 12, -12, -12);
    p.drawRect(inner);
    p.setPen(QPen(QColor(200, 190, 160), 3));
    for (qreal x = inner.left() + 8; x < inner.right(); x += 12)
        p.drawLine(QPointF(x, inner.top()), QPointF(x, inner.bottom()));
}

void drawRing(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(r);
    p.setBrush(QColor(245, 240, 225));
    p.drawEllipse(r.adjusted(18, 18, -18, -18));
    p.setBrush(QColor(90, 90, 90));
    p.drawEllipse(r.adjusted(r.width() * 0.32, r.height() * 0.32, -r.width() * 0.32, -r.height() * 0.32));
}

void drawInline(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(r.left() - 30, r.center().y() - 8, r.width() + 60, 16));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, c.lighter(140));
    g.setColorAt(1, c.darker(150));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0, r.height() * 0.2, 0, -r.height() * 0.2), 30, 30);
}

} // namespace

QByteArray stockPictureJpeg(const StockPicture &item)
{
    std::lock_guard lock(paintMutex());
    QImage image(480, 360, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = paletteColour(item.colour);
    const QRectF area(150, 60, 180, 200);
    switch (item.shape % 4) {
    case 0:
        drawCan(p, area, c);
        break;
    case 1:
        drawPanel(p, QRectF(90, 80, 300, 170), c);
        break;
    case 2:
        drawRing(p, QRectF(140, 50, 200, 200), c);
        break;
    default:
        drawInline(p, QRectF(130, 90, 220, 140), c);
        break;
    }
    p.setPen(QColor(40, 40, 40));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(26);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(0, 270, 480, 34), Qt::AlignCenter, item.brand + QLatin1Char(' ') + item.code);
    font.setPixelSize(16);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(0, 306, 480, 26), Qt::AlignCenter, item.name);
    p.setPen(c);
    p.drawText(QRectF(10, 8, 460, 24), Qt::AlignLeft, item.group);
    p.end();
    return encode(image, "JPEG", 85);
}

QByteArray announcementJpeg(const QString &title, const QString &subtitle, int colour)
{
    std::lock_guard lock(paintMutex());
    QImage image(605, 405, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor c = paletteColour(colour);
    QLinearGradient g(0, 0, 605, 405);
    g.setColorAt(0, c.lighter(150));
    g.setColorAt(1, c.darker(130));
    p.fillRect(image.rect(), g);
    p.setBrush(QColor(255, 255, 255, 60));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(480, 90), 150, 150);
    drawCan(p, QRectF(60, 150, 130, 170), c.darker(120));
    p.setPen(Qt::white);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(40);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRectF(20, 20, 565, 110), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, title);
    font.setPixelSize(24);
    font.setBold(false);
    p.setFont(font);
    p.drawText(QRectF(220, 170, 365, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, subtitle);
    font.setPixelSize(16);
    p.setFont(font);
    p.drawText(QRectF(20, 370, 565, 26), Qt::AlignRight, QStringLiteral("Ravla Filtre"));
    p.end();
    return encode(image, "JPEG", 85);
}

QByteArray bannerBmp(int width, int height, const QString &text, int colour)
{
    std::lock_guard lock(paintMutex());
    QImage image(width, height, QImage::Format_RGB32);
    const QColor c = paletteColour(colour);
    image.fill(c.lighter(170));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(c.darker(150));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(height / 2);
    font.setBold(true);
    p.setFont(font);
    p.drawText(image.rect(), Qt::AlignCenter, text);
    p.end();
    return encode(image, "BMP");
}

namespace {

struct GifSink
{
    QByteArray bytes;
};

int gifWrite(GifFileType *gif, const GifByteType *data, int length)
{
    auto *sink = static_cast<GifSink *>(gif->UserData);
    sink->bytes.append(reinterpret_cast<const char *>(data), length);
    return length;
}

QList<QRgb> webPalette()
{
    QList<QRgb> colours;
    for (int r = 0; r < 6; ++r)
        for (int g = 0; g < 6; ++g)
            for (int b = 0; b < 6; ++b)
                colours << qRgb(r * 51, g * 51, b * 51);
    for (int i = 0; colours.size() < 256; ++i)
        colours << qRgb(i * 6, i * 6, i * 6);
    return colours;
}

} // namespace

QByteArray bannerGif(int width, int height, const QStringList &texts, int colour)
{
    const QList<QRgb> palette = webPalette();
    QList<QImage> frames;
    {
        std::lock_guard lock(paintMutex());
        const QColor c = paletteColour(colour);
        for (int i = 0; i < texts.size(); ++i) {
            QImage image(width, height, QImage::Format_RGB32);
            image.fill(i % 2 ? c : c.darker(130));
            QPainter p(&image);
            p.setPen(Qt::white);
            QFont font(QStringLiteral("DejaVu Sans"));
            font.setPixelSize(qMax(10, height / 3));
            font.setBold(true);
            p.setFont(font);
            p.drawText(image.rect().adjusted(8, 4, -8, -4), Qt::AlignCenter | Qt::TextWordWrap, texts.at(i));
            p.end();
            frames << image.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
        }
    }

    GifSink sink;
    int error = 0;
    GifFileType *gif = EGifOpen(&sink, gifWrite, &error);
    if (!gif)
        return {};
    GifColorType colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i].Red = GifByteType(qRed(palette.at(i)));
        colours[i].Green = GifByteType(qGreen(palette.at(i)));
        colours[i].Blue = GifByteType(qBlue(palette.at(i)));
    }
    ColorMapObject *map = GifMakeMapObject(256, colours);
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, width, height, 8, 0, map) == GIF_OK;
    // Loop for ever.
    static const GifByteType appName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK;
    ok = ok && EGifPutExtensionBlock(gif, sizeof(appName), appName) == GIF_OK;
    ok = ok && EGifPutExtensionBlock(gif, sizeof(loop), loop) == GIF_OK;
    ok = ok && EGifPutExtensionTrailer(gif) == GIF_OK;
    for (const QImage &frame : frames) {
        GraphicsControlBlock gcb{};
        gcb.DisposalMode = DISPOSE_DO_NOT;
        gcb.DelayTime = 150;
        gcb.TransparentColor = NO_TRANSPARENT_COLOR;
        GifByteType ext[4];
        EGifGCBToExtension(&gcb, ext);
        ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext) == GIF_OK;
        ok = ok && EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_OK;
        for (int y = 0; ok && y < height; ++y)
            ok = EGifPutLine(gif, const_cast<GifByteType *>(frame.constScanLine(y)), width) == GIF_OK;
    }
    EGifCloseFile(gif, &error);
    GifFreeMapObject(map);
    return ok ? sink.bytes : QByteArray();
}

QByteArray makePdf(const PdfDocument &doc)
{
    std::lock_guard lock(paintMutex());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setResolution(150);
        writer.setTitle(doc.title);
        writer.setCreator(QStringLiteral("Ravla Filtre"));
        QPainter p(&writer);
        const int width = writer.width();
        const int height = writer.height();
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(16);
        font.setBold(true);
        p.setFont(font);
        int y = 0;
        p.drawText(QRect(0, y, width, 60), Qt::AlignLeft | Qt::AlignVCenter, doc.title);
        y += 80;
        font.setPointSize(9);
        font.setBold(false);
        p.setFont(font);
        const int lineHeight = 30;
        for (const QString &line : doc.lines) {
            p.drawText(QRect(0, y, width, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line);
            y += lineHeight;
        }
        y += lineHeight / 2;
        const int columns = int(doc.header.size());
        if (columns > 0) {
            const int columnWidth = width / columns;
            auto drawRow = [&](const QStringList &cells, bool bold) {
                if (y + lineHeight > height) {
                    writer.newPage();
                    y = 0;
                }
                QFont f = font;
                f.setBold(bold);
                p.setFont(f);
                for (int i = 0; i < columns && i < cells.size(); ++i) {
                    const Qt::Alignment a = doc.rightAligned.contains(i) ? Qt::AlignRight : Qt::AlignLeft;
                    p.drawText(QRect(i * columnWidth + 4, y, columnWidth - 8, lineHeight),
                               a | Qt::AlignVCenter, cells.at(i));
                }
                y += lineHeight;
            };
            drawRow(doc.header, true);
            p.drawLine(0, y, width, y);
            for (const QStringList &row : doc.rows)
                drawRow(row, false);
        }
        p.end();
    }
    return bytes;
}

} // namespace appserver

#include "app/core/icons.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr int kSize = 48;

template<class Draw>
QIcon drawn(Draw &&draw)
{
    QIcon icon;
    for (int size : {16, 24, 32, kSize}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / double(kSize), size / double(kSize));
        draw(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

void disc(QPainter &p, const QColor &color)
{
    QRadialGradient g(QPointF(18, 16), 30);
    g.setColorAt(0, color.lighter(140));
    g.setColorAt(1, color);
    p.setPen(QPen(color.darker(150), 2));
    p.setBrush(g);
    p.drawEllipse(QRectF(4, 4, 40, 40));
}

void whiteStroke(QPainter &p, qreal width = 5)
{
    p.setPen(QPen(Qt::white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}

void letter(QPainter &p, const QString &text, const QRectF &rect, int pixelSize,
            const QColor &color = Qt::white)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(pixelSize);
    p.setFont(f);
    p.setPen(color);
    p.drawText(rect, Qt::AlignCenter, text);
}

const QColor kSapphire(0x1d, 0x4e, 0x89);
const QColor kSteel(0x6b, 0x76, 0x82);

} // namespace

namespace Icons {

QIcon durum(int code)
{
    switch (code) {
    case 0: // Yok
        return drawn([](QPainter &p) {
            disc(p, QColor(0xc6, 0x28, 0x28));
            whiteStroke(p);
            p.drawLine(QPointF(16, 16), QPointF(32, 32));
            p.drawLine(QPointF(32, 16), QPointF(16, 32));
        });
    case 1: // Var
        return drawn([](QPainter &p) {
            disc(p, QColor(0x2e, 0x8b, 0x3a));
            whiteStroke(p);
            p.drawPolyline(QPolygonF({QPointF(14, 25), QPointF(21, 32), QPointF(34, 16)}));
        });
    case 2: // Telefon
        return drawn([](QPainter &p) {
            disc(p, QColor(0xe6, 0x8a, 0x00));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            QPainterPath handset;
            handset.addRoundedRect(QRectF(12, 15, 24, 7), 3, 3);
            handset.addRoundedRect(QRectF(16, 24, 16, 10), 2, 2);
            p.drawPath(handset);
        });
    case 3: // Yolda
        return drawn([](QPainter &p) {
            disc(p, QColor(0x1e, 0x6f, 0xc8));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(10, 17, 17, 12));
            p.drawPolygon(QPolygonF(
                {QPointF(28, 20), QPointF(34, 20), QPointF(38, 25), QPointF(38, 29), QPointF(28, 29)}));
            p.setBrush(QColor(0x1e, 0x6f, 0xc8).darker(130));
            p.drawEllipse(QRectF(13, 27, 6, 6));
            p.drawEllipse(QRectF(30, 27, 6, 6));
        });
    case 4: // Özel Sipariş
        return drawn([](QPainter &p) {
            disc(p, QColor(0x7b, 0x3f, 0xa8));
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double r = i % 2 ? 6.5 : 14;
                const double a = -M_PI / 2 + i * M_PI / 5;
                star << QPointF(24 + r * std::cos(a), 25 + r * std::sin(a));
            }
            p.drawPolygon(star);
        });
    case 5: // Tedarik
        return drawn([](QPainter &p) {
            disc(p, QColor(0x00, 0x83, 0x8f));
            whiteStroke(p, 3.5);
            p.drawEllipse(QRectF(13, 13, 22, 22));
            p.drawLine(QPointF(24, 24), QPointF(24, 16));
            p.drawLine(QPointF(24, 24), QPointF(30, 27));
        });
    case 6: // Kritik
        return drawn([](QPainter &p) {
            p.setPen(QPen(QColor(0x9a, 0x5b, 0x00), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0xf5, 0xb3, 0x00));
            p.drawPolygon(QPolygonF({QPointF(24, 4), QPointF(45, 42), QPointF(3, 42)}));
            letter(p, QStringLiteral("!"), QRectF(4, 12, 40, 30), 26, QColor(0x3a, 0x2a, 0x00));
        });
    default:
        return durumBos();
    }
}

QIcon durumBos()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(kSteel, 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(6, 6, 36, 36));
    });
}

QIcon tab(Tab which)
{
    switch (which) {
    case Tab::StokListesi:
        return drawn([](QPainter &p) {
            p.setPen(QPen(kSapphire, 2));
            p.setBrush(Qt::white);
            p.drawRoundedRect(QRectF(4, 4, 30, 38), 3, 3);
            p.setPen(QPen(kSteel, 3));
            for (int y = 12; y <= 30; y += 6)
                p.drawLine(QPointF(9, y), QPointF(28, y));
            p.setPen(QPen(kSapphire, 5, Qt::SolidLine, Qt::RoundCap));
            p.setBrush(QColor(255, 255, 255, 200));
            p.drawEllipse(QRectF(22, 22, 15, 15));
            p.drawLine(QPointF(35, 35), QPointF(44, 44));
        });
    case Tab::Sepet:
        return drawn([](QPainter &p) {
            p.setPen(QPen(kSapphire, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0xcf, 0xdd, 0xef));
            p.drawPolyline(QPolygonF({QPointF(3, 8), QPointF(10, 8), QPointF(16, 32), QPointF(38, 32)}));
            p.drawPolygon(QPolygonF({QPointF(12, 14), QPointF(44, 14), QPointF(39, 27), QPointF(15, 27)}));
            p.setBrush(kSapphire);
            p.drawEllipse(QRectF(15, 36, 7, 7));
            p.drawEllipse(QRectF(32, 36, 7, 7));
        });
    case Tab::OncekiSiparisler:
        return drawn([](QPainter &p) {
            p.setPen(QPen(kSapphire, 3));
            p.setBrush(Qt::white);
            p.drawEllipse(QRectF(5, 5, 38, 38));
            p.setPen(QPen(kSapphire, 3.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(24, 24), QPointF(24, 12));
            p.drawLine(QPointF(24, 24), QPointF(33, 29));
        });
    case Tab::CariEkstre:
        return drawn([](QPainter &p) {
            p.setPen(QPen(kSteel, 2));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 4, 34, 40));
            p.setPen(QPen(kSapphire, 2.5));
            for (int y = 12; y <= 36; y += 6) {
                p.drawLine(QPointF(11, y), QPointF(26, y));
                p.drawLine(QPointF(30, y), QPointF(37, y));
            }
        });
    case Tab::YeniStoklar:
        return drawn([](QPainter &p) {
            p.setPen(QPen(QColor(0xb7, 0x7a, 0x00), 2));
            p.setBrush(QColor(0xf5, 0xc2, 0x1b));
            QPolygonF star;
            for (int i = 0; i < 16; ++i) {
                const double r = i % 2 ? 15 : 21;
                const double a = i * M_PI / 8;
                star << QPointF(24 + r * std::cos(a), 24 + r * std::sin(a));
            }
            p.drawPolygon(star);
            letter(p, QStringLiteral("YENİ"), QRectF(4, 4, 40, 40), 10, QColor(0x5a, 0x2e, 0x00));
        });
    case Tab::Kampanyali:
        return drawn([](QPainter &p) {
            p.setPen(QPen(QColor(0x9b, 0x1c, 0x1c), 2));
            p.setBrush(QColor(0xd3, 0x2f, 0x2f));
            p.drawPolygon(QPolygonF(
                {QPointF(6, 22), QPointF(22, 6), QPointF(42, 6), QPointF(42, 26), QPointF(26, 42)}));
            letter(p, QStringLiteral("%"), QRectF(16, 10, 26, 26), 20);
        });
    case Tab::Duyurular:
        return drawn([](QPainter &p) {
            p.setPen(QPen(kSapphire, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(QColor(0xcf, 0xdd, 0xef));
            p.drawPolygon(QPolygonF({QPointF(6, 18), QPointF(16, 18), QPointF(36, 7), QPointF(36, 41),
                                     QPointF(16, 30), QPointF(6, 30)}));
            p.setBrush(kSapphire);
            p.drawRect(QRectF(10, 30, 6, 10));
            p.drawLine(QPointF(40, 18), QPointF(44, 16));
            p.drawLine(QPointF(40, 30), QPointF(44, 32));
        });
    case Tab::Bakiyeler:
        return drawn([](QPainter &p) {
            p.setPen(Qt::NoPen);
            p.setBrush(kSteel);
            p.drawRect(QRectF(4, 42, 40, 3));
            const QColor colors[] = {kSapphire, QColor(0x3a, 0x72, 0xb8), QColor(0x2e, 0x8b, 0x3a)};
            const int heights[] = {18, 30, 24};
            for (int i = 0; i < 3; ++i) {
                p.setBrush(colors[i]);
                p.drawRect(QRectF(8 + i * 12, 42 - heights[i], 9, heights[i]));
            }
        });
    }
    return QIcon();
}

QIcon search()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(kSapphire, 5, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(0xe3, 0xec, 0xf7));
        p.drawEllipse(QRectF(6, 6, 24, 24));
        p.drawLine(QPointF(28, 28), QPointF(42, 42));
    });
}

QIcon clear()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(QColor(0x8a, 0x1c, 0x1c), 2));
        p.setBrush(QColor(0xf1, 0xa3, 0xa3));
        p.drawPolygon(
            QPolygonF({QPointF(16, 8), QPointF(44, 8), QPointF(44, 40), QPointF(16, 40), QPointF(4, 24)}));
        p.setPen(QPen(QColor(0x8a, 0x1c, 0x1c), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 16), QPointF(36, 32));
        p.drawLine(QPointF(36, 16), QPointF(22, 32));
    });
}

QIcon searchBar()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(kSteel, 2));
        p.setBrush(QColor(0xe9, 0xed, 0xf2));
        p.drawRoundedRect(QRectF(3, 10, 42, 28), 5, 5);
        letter(p, QStringLiteral("OEM"), QRectF(3, 10, 42, 28), 13, kSapphire);
    });
}

QIcon menu()
{
    return drawn([](QPainter &p) {
        p.setPen(QPen(kSapphire, 5, Qt::SolidLine, Qt::RoundCap));
        for (int y = 12; y <= 36; y += 12)
            p.drawLine(QPointF(8, y), QPointF(40, y));
    });
}

QIcon busy()
{
    return drawn([](QPainter &p) {
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            QColor c = kSapphire;
            c.setAlphaF(0.25 + i * 0.09);
            p.setPen(Qt::NoPen);
            p.setBrush(c);
            p.drawEllipse(QPointF(24 + 15 * std::cos(a), 24 + 15 * std::sin(a)), 4.5, 4.5);
        }
    });
}

QPixmap logo(const QSize &size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 2, size.width() - 4, size.height() - 4);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0xf4, 0xf7, 0xfb));
    g.setColorAt(1, QColor(0xc9, 0xd3, 0xdf));
    p.setPen(QPen(QColor(0x0f, 0x2d, 0x52), 2));
    p.setBrush(g);
    p.drawRoundedRect(r, 10, 10);
    // A filter cartridge: a ribbed cylinder.
    const qreal h = r.height() * 0.7;
    const QRectF can(r.left() + 12, r.center().y() - h / 2, h * 0.6, h);
    p.setBrush(QColor(0x1d, 0x4e, 0x89));
    p.drawRoundedRect(can, 6, 6);
    p.setPen(QPen(QColor(0xc9, 0xd3, 0xdf), 2));
    for (qreal x = can.left() + 6; x < can.right() - 3; x += 6)
        p.drawLine(QPointF(x, can.top() + 6), QPointF(x, can.bottom() - 6));
    const QRectF text(can.right() + 10, r.top(), r.right() - can.right() - 14, r.height());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(r.height() * 0.34));
    p.setFont(f);
    p.setPen(QColor(0x1d, 0x4e, 0x89));
    p.drawText(text.adjusted(0, 0, 0, -r.height() * 0.32), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("RAVLA"));
    f.setPixelSize(int(r.height() * 0.17));
    f.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(f);
    p.setPen(QColor(0x4a, 0x55, 0x61));
    p.drawText(text.adjusted(0, r.height() * 0.7, 0, 0), Qt::AlignLeft | Qt::AlignTop,
               QStringLiteral("FILTER B2B"));
    return pixmap;
}

} // namespace Icons

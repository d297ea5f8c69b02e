#include "catalogue/katalogikonlari.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace KatalogIkonlari {

QPixmap bayrak(int index)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (index == 1) {
        QPainterPath star;
        for (int i = 0; i < 10; ++i) {
            const double r = (i % 2) ? 4.5 : 10.5;
            const double a = -M_PI / 2 + i * M_PI / 5;
            const QPointF point(12 + r * std::cos(a), 12.5 + r * std::sin(a));
            if (i == 0)
                star.moveTo(point);
            else
                star.lineTo(point);
        }
        star.closeSubpath();
        p.setPen(QPen(QColor(190, 110, 0), 1.2));
        p.setBrush(QColor(255, 176, 32));
        p.drawPath(star);
    } else {
        p.setPen(QPen(QColor(190, 196, 204), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(7, 7, 10, 10));
    }
    return pixmap;
}

QPixmap resim()
{
    QPixmap pixmap(24, 24);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 70, 110), 1.5));
    p.setBrush(QColor(225, 235, 248));
    p.drawRoundedRect(QRectF(2.5, 5.5, 19, 14), 2, 2);
    p.setBrush(QColor(80, 160, 80));
    p.setPen(Qt::NoPen);
    QPainterPath hill;
    hill.moveTo(4, 18);
    hill.lineTo(10, 11);
    hill.lineTo(14, 15);
    hill.lineTo(16.5, 13);
    hill.lineTo(20, 18);
    hill.closeSubpath();
    p.drawPath(hill);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(QPointF(16.5, 9.5), 2, 2);
    return pixmap;
}

} // namespace KatalogIkonlari

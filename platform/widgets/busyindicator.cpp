#include "platform/widgets/busyindicator.h"

#include <QPainter>
#include <QtMath>

BusyIndicator::BusyIndicator(QWidget *parent) : QWidget(parent)
{
    m_timer.setInterval(80);
    connect(&m_timer, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % 12;
        update();
    });
    hide();
}

void BusyIndicator::start()
{
    show();
    m_timer.start();
}

void BusyIndicator::stop()
{
    m_timer.stop();
    hide();
}

void BusyIndicator::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal side = qMin(width(), height());
    const qreal radius = side * 0.38;
    const qreal dot = qMax<qreal>(1.5, side * 0.09);
    p.translate(width() / 2.0, height() / 2.0);
    const QColor base = palette().color(QPalette::Highlight);
    for (int i = 0; i < 12; ++i) {
        QColor c = base;
        c.setAlphaF(0.15 + 0.85 * (((i - m_step + 12) % 12) / 11.0));
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        const qreal angle = qDegreesToRadians(i * 30.0);
        p.drawEllipse(QPointF(radius * qCos(angle), radius * qSin(angle)), dot, dot);
    }
}

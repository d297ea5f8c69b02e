#include "catalogue/resimalani.h"

#include <QPainter>

ResimAlani::ResimAlani(QWidget *parent) : QWidget(parent) {}

void ResimAlani::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ResimAlani::setDefaultPicture(const QImage &picture)
{
    m_default = picture;
    update();
}

void ResimAlani::paintEvent(QPaintEvent *)
{
    const QImage &shown = m_picture.isNull() ? m_default : m_picture;
    if (shown.isNull())
        return;
    QSize size = shown.size();
    if (size.width() > width() || size.height() > height())
        size.scale(this->size(), Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - size.width()) / 2, (height() - size.height()) / 2), size);
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, shown);
}

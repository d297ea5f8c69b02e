#include "platform/widgets/zoomimage.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSlider>
#include <QVBoxLayout>

class ZoomImage::Canvas : public QWidget
{
public:
    explicit Canvas(ZoomImage *owner) : QWidget(owner), m_owner(owner) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const QImage &image = m_owner->m_image;
        if (image.isNull())
            return;
        // Fitted into the area, then zoomed about the centre.
        QSizeF size = QSizeF(image.size()).scaled(QSizeF(this->size()), Qt::KeepAspectRatio);
        size *= m_owner->zoom() / 100.0;
        const QRectF target((width() - size.width()) / 2.0, (height() - size.height()) / 2.0, size.width(),
                            size.height());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, image);
    }

private:
    ZoomImage *m_owner;
};

ZoomImage::ZoomImage(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_canvas = new Canvas(this);
    m_canvas->setObjectName(QStringLiteral("picture"));
    m_canvas->installEventFilter(this);
    layout->addWidget(m_canvas, 1);
    m_zoom = new QSlider(Qt::Horizontal, this);
    m_zoom->setObjectName(QStringLiteral("zoomTrackBar"));
    m_zoom->setRange(100, 400);
    m_zoom->setFocusPolicy(Qt::NoFocus);
    m_zoom->setFixedHeight(18);
    layout->addWidget(m_zoom);
    connect(m_zoom, &QSlider::valueChanged, m_canvas, qOverload<>(&QWidget::update));
    setFocusPolicy(Qt::NoFocus);
}

void ZoomImage::setImage(const QImage &image)
{
    m_image = image;
    m_canvas->update();
}

int ZoomImage::zoom() const
{
    return m_zoom->value();
}

void ZoomImage::setZoom(int percent)
{
    m_zoom->setValue(percent);
}

bool ZoomImage::zoomTrackBarVisible() const
{
    return !m_zoom->isHidden();
}

void ZoomImage::setZoomTrackBarVisible(bool visible)
{
    m_zoom->setVisible(visible);
}

bool ZoomImage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_canvas && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton && m_canvas->rect().contains(mouse->position().toPoint()))
            emit clicked();
    }
    return QWidget::eventFilter(watched, event);
}

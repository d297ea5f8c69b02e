#include "platform/widgets/realtimemarquee.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPainter>
#include <QTextDocument>
#include <QtMath>

TRealTimeMarquee::TRealTimeMarquee(QWidget *parent) : QWidget(parent)
{
    m_timer.setInterval(30);
    connect(&m_timer, &QTimer::timeout, this, &TRealTimeMarquee::step);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int TRealTimeMarquee::addItem(const QString &text, ItemStyle style)
{
    m_items.append({text, style});
    render();
    return int(m_items.size()) - 1;
}

void TRealTimeMarquee::clearItems()
{
    m_items.clear();
    m_rendered.clear();
    m_offset = 0;
    update();
}

void TRealTimeMarquee::setDrawItem(DrawItem draw)
{
    m_draw = std::move(draw);
    render();
}

void TRealTimeMarquee::refreshItems()
{
    render();
}

void TRealTimeMarquee::start()
{
    m_timer.start();
}

void TRealTimeMarquee::stop()
{
    m_timer.stop();
}

void TRealTimeMarquee::setSpacing(int spacing)
{
    m_spacing = qMax(0, spacing);
    update();
}

void TRealTimeMarquee::setColor(const QColor &color)
{
    m_color = color;
    render();
}

int TRealTimeMarquee::itemWidth(int index) const
{
    return index >= 0 && index < m_rendered.size() ? m_rendered[index].width() : 0;
}

int TRealTimeMarquee::stripWidth() const
{
    int width = 0;
    for (const QImage &image : m_rendered)
        width += image.width() + m_spacing * 10;
    return width;
}

void TRealTimeMarquee::step()
{
    if (m_rendered.isEmpty())
        return;
    m_offset += m_speed;
    // The strip enters at the right edge and starts over once it has wholly left at the left.
    if (m_offset > width() + stripWidth())
        m_offset = 0;
    update();
}

void TRealTimeMarquee::render()
{
    m_rendered.clear();
    for (int i = 0; i < m_items.size(); ++i) {
        const Item &item = m_items[i];
        QImage image;
        if (item.style == ItemStyle::OwnerDraw) {
            if (m_draw)
                m_draw(i, image);
        } else {
            QTextDocument document;
            document.setDefaultFont(font());
            document.setDocumentMargin(0);
            if (item.style == ItemStyle::Html)
                document.setHtml(item.text);
            else
                document.setPlainText(item.text);
            document.setTextWidth(-1);
            const QSizeF size = document.size();
            image = QImage(qCeil(size.width()) + 1, qCeil(size.height()) + 1,
                           QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            QAbstractTextDocumentLayout::PaintContext context;
            context.palette = palette();
            context.palette.setColor(QPalette::Text, palette().color(QPalette::WindowText));
            document.documentLayout()->draw(&painter, context);
        }
        m_rendered.append(image);
    }
    update();
}

void TRealTimeMarquee::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        render();
}

void TRealTimeMarquee::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    int x = width() - m_offset;
    for (const QImage &image : m_rendered) {
        if (x >= width())
            break;
        if (!image.isNull() && x + image.width() > 0)
            painter.drawImage(QPoint(x, (height() - image.height()) / 2), image);
        x += image.width() + m_spacing * 10;
    }
}

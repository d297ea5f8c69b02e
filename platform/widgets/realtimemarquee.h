#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

// A horizontally scrolling marquee: its items run from right to left one after the other and start
// again when the last has left. Items are plain text, simple HTML or owner-drawn pictures.
class TRealTimeMarquee : public QWidget
{
    Q_OBJECT

public:
    enum class ItemStyle { Text, Html, OwnerDraw };

    struct Item
    {
        QString text;
        ItemStyle style = ItemStyle::Text;
    };

    // Fills the bitmap of an owner-drawn item (replace it to give the item its size).
    using DrawItem = std::function<void(int item, QImage &bitmap)>;

    explicit TRealTimeMarquee(QWidget *parent = nullptr);

    int addItem(const QString &text, ItemStyle style);
    void clearItems();
    int itemCount() const { return int(m_items.size()); }
    Item item(int index) const { return m_items.value(index); }

    void setDrawItem(DrawItem draw);
    // Asks the draw handler again, e.g. after the picture behind an owner-drawn item changed.
    void refreshItems();

    void start();
    void stop();
    bool isActive() const { return m_timer.isActive(); }

    // Blank room between two items, in multiples of 10 pixels.
    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    QColor color() const { return m_color; }
    void setColor(const QColor &color);

    // Pixels moved per step of the timer; the step interval is fixed.
    int speed() const { return m_speed; }
    void setSpeed(int pixels) { m_speed = qMax(1, pixels); }
    // How far the strip has moved since it last started over.
    int offset() const { return m_offset; }
    // Width of the rendered item, spacing excluded.
    int itemWidth(int index) const;
    // Moves the strip as one timer step does.
    void step();

protected:
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void render();
    int stripWidth() const;

    QList<Item> m_items;
    QList<QImage> m_rendered;
    DrawItem m_draw;
    QTimer m_timer;
    QColor m_color = Qt::white;
    int m_spacing = 5;
    int m_speed = 2;
    int m_offset = 0;
};

#pragma once

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QRectF>
#include <QTextItem>
#include <QWidget>

// A paint device that keeps what a widget drew on it: each text with the box it takes, and the
// outlined rectangles. What a picture shows as a clipped number is a text wider than its box here.
class DrawnTexts : public QPaintDevice
{
public:
    struct Text
    {
        QString text;
        QRectF box;
    };

    // Renders the widget with its own resolution.
    explicit DrawnTexts(QWidget *widget) : m_widget(widget), m_engine(this) { widget->render(this); }

    QList<Text> texts;
    QList<QRectF> outlines; // rectangles drawn with a pen (not plain fills)

    QPaintEngine *paintEngine() const override { return &m_engine; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_widget->width();
        case PdmHeight:
            return m_widget->height();
        case PdmWidthMM:
            return m_widget->widthMM();
        case PdmHeightMM:
            return m_widget->heightMM();
        case PdmNumColors:
            return m_widget->colorCount();
        case PdmDepth:
            return m_widget->depth();
        case PdmDpiX:
            return m_widget->logicalDpiX();
        case PdmDpiY:
            return m_widget->logicalDpiY();
        case PdmPhysicalDpiX:
            return m_widget->physicalDpiX();
        case PdmPhysicalDpiY:
            return m_widget->physicalDpiY();
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        }
        return 0;
    }

private:
    class Engine : public QPaintEngine
    {
    public:
        explicit Engine(DrawnTexts *owner) : QPaintEngine(QPaintEngine::AllFeatures), m_owner(owner) {}
        bool begin(QPaintDevice *) override { return true; }
        bool end() override { return true; }
        Type type() const override { return QPaintEngine::User; }
        void updateState(const QPaintEngineState &state) override
        {
            if (state.state() & QPaintEngine::DirtyPen)
                m_outlined = state.pen().style() != Qt::NoPen;
        }
        void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override {}
        void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath &) override {}
        void drawRects(const QRect *rects, int count) override
        {
            for (int i = 0; i < count && m_outlined; ++i)
                m_owner->outlines << QRectF(rects[i]);
        }
        void drawRects(const QRectF *rects, int count) override
        {
            for (int i = 0; i < count && m_outlined; ++i)
                m_owner->outlines << rects[i];
        }
        void drawTextItem(const QPointF &p, const QTextItem &item) override
        {
            m_owner->texts.append({item.text(), QRectF(p.x(), p.y() - item.ascent(), item.width(),
                                                       item.ascent() + item.descent())});
        }

    private:
        DrawnTexts *m_owner;
        bool m_outlined = true;
    };

    QWidget *m_widget;
    mutable Engine m_engine;
};

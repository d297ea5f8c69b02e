#pragma once

#include <QImage>
#include <QWidget>

class QSlider;

// A read-only picture that fits its area, with a zoom track bar under it. A click on the picture
// is reported; the track bar never takes the click for the picture.
class ZoomImage : public QWidget
{
    Q_OBJECT

public:
    explicit ZoomImage(QWidget *parent = nullptr);

    void setImage(const QImage &image);
    QImage image() const { return m_image; }
    void clear() { setImage(QImage()); }

    // Percent of the fitted size, 100 to 400.
    int zoom() const;
    void setZoom(int percent);
    QSlider *zoomTrackBar() const { return m_zoom; }
    bool zoomTrackBarVisible() const;
    void setZoomTrackBarVisible(bool visible);

signals:
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    class Canvas;
    Canvas *m_canvas = nullptr;
    QSlider *m_zoom = nullptr;
    QImage m_image;
};

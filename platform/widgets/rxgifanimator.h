#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QLabel>
#include <QMovie>
#include <memory>

// A label that shows a GIF picture and animates it. Stretched or centred as a QLabel is; with
// autoSize on, it takes the picture's height.
class TRxGIFAnimator : public QLabel
{
    Q_OBJECT

public:
    explicit TRxGIFAnimator(QWidget *parent = nullptr);
    ~TRxGIFAnimator() override;

    // Replaces the picture; false (and the old picture kept) when the bytes are not a GIF.
    bool loadGif(const QByteArray &bytes);
    void clearPicture();

    bool hasPicture() const { return m_movie != nullptr; }
    QSize pictureSize() const { return m_size; }
    int frameCount() const;
    bool isAnimating() const;

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on) { m_autoSize = on; }

private:
    std::unique_ptr<QMovie> m_movie;
    std::unique_ptr<QBuffer> m_buffer;
    QByteArray m_bytes;
    QSize m_size;
    bool m_autoSize = false;
};

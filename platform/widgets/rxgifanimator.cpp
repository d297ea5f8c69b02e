#include "platform/widgets/rxgifanimator.h"

#include <QImageReader>

TRxGIFAnimator::TRxGIFAnimator(QWidget *parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

TRxGIFAnimator::~TRxGIFAnimator()
{
    setMovie(nullptr);
}

bool TRxGIFAnimator::loadGif(const QByteArray &bytes)
{
    auto data = std::make_unique<QByteArray>(bytes);
    {
        QBuffer probe(data.get());
        probe.open(QIODevice::ReadOnly);
        QImageReader reader(&probe, "gif");
        if (!reader.canRead() || reader.read().isNull())
            return false;
    }
    clearPicture();
    m_bytes = bytes;
    m_buffer = std::make_unique<QBuffer>(&m_bytes);
    m_buffer->open(QIODevice::ReadOnly);
    m_movie = std::make_unique<QMovie>(m_buffer.get(), QByteArray("gif"));
    m_movie->jumpToFrame(0);
    m_size = m_movie->currentImage().size();
    setMovie(m_movie.get());
    if (m_autoSize)
        setFixedHeight(m_size.height());
    m_movie->start();
    return true;
}

void TRxGIFAnimator::clearPicture()
{
    setMovie(nullptr);
    clear();
    m_movie.reset();
    m_buffer.reset();
    m_bytes.clear();
    m_size = QSize();
}

int TRxGIFAnimator::frameCount() const
{
    return m_movie ? m_movie->frameCount() : 0;
}

bool TRxGIFAnimator::isAnimating() const
{
    return m_movie && m_movie->state() == QMovie::Running;
}

#pragma once

#include <QImage>
#include <QWidget>

// A picture control: the picture centred and scaled down proportionally to fit, never enlarged.
// Holds a default picture (the logo) that shows while no other picture was set.
class ResimAlani : public QWidget
{
    Q_OBJECT

public:
    explicit ResimAlani(QWidget *parent = nullptr);

    QImage picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    QImage defaultPicture() const { return m_default; }
    void setDefaultPicture(const QImage &picture);
    // The default picture is what is shown.
    bool showsDefault() const { return m_picture.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
    QImage m_default;
};

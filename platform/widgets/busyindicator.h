#pragma once

#include <QTimer>
#include <QWidget>

// The busy animation shown while a background load runs: a turning ring of dots. Hidden and still
// until started, so a window can keep one per load without cost.
class BusyIndicator : public QWidget
{
    Q_OBJECT
public:
    explicit BusyIndicator(QWidget *parent = nullptr);

    void start(); // shows and animates
    void stop();  // stops and hides
    bool isAnimating() const { return m_timer.isActive(); }

    QSize sizeHint() const override { return {24, 24}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QTimer m_timer;
    int m_step = 0;
};

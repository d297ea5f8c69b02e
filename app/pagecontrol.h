#pragma once

#include <QTabBar>
#include <QTabWidget>

// Tab control whose tabs are at least 120 × 50 pixels with an icon each.
class TPageControl : public QTabWidget
{
    Q_OBJECT

public:
    explicit TPageControl(QWidget *parent = nullptr);

    static constexpr QSize tabMinimum{120, 50};
};

class TPageControlBar : public QTabBar
{
    Q_OBJECT

public:
    using QTabBar::QTabBar;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
};

#include "app/pagecontrol.h"

TPageControl::TPageControl(QWidget *parent) : QTabWidget(parent)
{
    setTabBar(new TPageControlBar(this));
    setIconSize(QSize(24, 24));
    setDocumentMode(false);
}

QSize TPageControlBar::tabSizeHint(int index) const
{
    return QTabBar::tabSizeHint(index).expandedTo(TPageControl::tabMinimum);
}

QSize TPageControlBar::minimumTabSizeHint(int index) const
{
    return QTabBar::minimumTabSizeHint(index).expandedTo(TPageControl::tabMinimum);
}

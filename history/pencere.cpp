#include "history/pencere.h"

#include "platform/system/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void PencereYerlestir(QWidget *window, int left, int top, int widthLess, int heightLess)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const int height = screen ? screen->geometry().height() : 768;
    // The left and top edges are the frame's, as the user sees them.
    window->resize(screenWidth() - widthLess, height - heightLess);
    window->move(left, top);
}

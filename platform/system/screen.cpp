#include "platform/system/screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <atomic>
#include <mutex>
#include <optional>

namespace {
std::atomic<int> widthOverride{0};
std::mutex fontMutex;
std::optional<QFont> &fontRef()
{
    static std::optional<QFont> font;
    return font;
}
} // namespace

int screenWidth()
{
    if (const int width = widthOverride.load(); width > 0)
        return width;
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().width();
    return 0;
}

void setScreenWidthOverride(int width)
{
    widthOverride.store(width);
}

QFont messageFont()
{
    std::lock_guard lock(fontMutex);
    if (fontRef())
        return *fontRef();
    return QGuiApplication::font();
}

void setMessageFont(const QFont &font)
{
    std::lock_guard lock(fontMutex);
    fontRef() = font;
}

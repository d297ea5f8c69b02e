#include "platform/system/shellopen.h"

#include <QDesktopServices>
#include <QDir>
#include <mutex>

namespace {
std::mutex handlerMutex;
ShellOpenHandler &handlerRef()
{
    static ShellOpenHandler handler;
    return handler;
}
} // namespace

bool ShellOpen(const QUrl &target)
{
    ShellOpenHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = handlerRef();
    }
    if (handler)
        return handler(target);
    return QDesktopServices::openUrl(target);
}

bool ShellOpen(const QString &pathOrAddress)
{
    const QUrl url(pathOrAddress);
    const bool isPath = url.scheme().isEmpty() || QDir::isAbsolutePath(pathOrAddress);
    return ShellOpen(isPath ? QUrl::fromLocalFile(pathOrAddress) : url);
}

ShellOpenHandler setShellOpenHandler(ShellOpenHandler handler)
{
    std::lock_guard lock(handlerMutex);
    return std::exchange(handlerRef(), std::move(handler));
}

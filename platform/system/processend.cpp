#include "platform/system/processend.h"

#include <cstdlib>
#include <mutex>
#include <utility>

namespace {
std::mutex handlerMutex;
ProcessEndHandler &handlerRef()
{
    static ProcessEndHandler handler;
    return handler;
}
} // namespace

void ProgramiSonlandir()
{
    ProcessEndHandler handler;
    {
        std::lock_guard lock(handlerMutex);
        handler = handlerRef();
    }
    if (handler) {
        handler();
        return;
    }
    std::_Exit(0);
}

ProcessEndHandler setProcessEndHandler(ProcessEndHandler handler)
{
    std::lock_guard lock(handlerMutex);
    return std::exchange(handlerRef(), std::move(handler));
}

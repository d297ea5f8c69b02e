#pragma once

#include <QObject>
#include <QPointer>
#include <QThreadPool>
#include <functional>
#include <memory>

// Background step, then a continuation on the window thread:
//     Async([=] { ...worker... })->Await([=] { ...window thread... });
// The step runs on asyncPool(); the continuation is queued to the thread of QCoreApplication after
// the step has returned. Await returns at once.
class IAwait
{
public:
    virtual ~IAwait() = default;
    virtual void Await(std::function<void()> proc) = 0;
    // Drops the continuation when context is gone by then (a closed window).
    virtual void Await(QObject *context, std::function<void()> proc) = 0;
};

class TAwait : public IAwait, public std::enable_shared_from_this<TAwait>
{
public:
    explicit TAwait(std::function<void()> async) : FAsync(std::move(async)) {}
    void Await(std::function<void()> proc) override;
    void Await(QObject *context, std::function<void()> proc) override;

private:
    void start(QPointer<QObject> context, bool guarded, std::function<void()> proc);

    std::function<void()> FAsync;
};

std::shared_ptr<IAwait> Async(std::function<void()> step);

// The workers of Async. Not QThreadPool::globalInstance(): Qt's own painting borrows threads from
// that pool and waits for them, so steps blocked in Synchronize there could stall the window thread.
QThreadPool *asyncPool();

// A worker hands proc to the window thread and waits until it has run there. On the window thread
// itself proc runs at once.
void Synchronize(const std::function<void()> &proc);

// A free-standing thread nobody waits for. An exception it lets out is dropped, so it cannot end
// the program.
void CreateAnonymousThread(std::function<void()> proc);

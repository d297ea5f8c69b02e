#include "platform/system/async.h"

#include <QCoreApplication>
#include <QThread>
#include <QThreadPool>
#include <exception>
#include <thread>

void TAwait::Await(std::function<void()> proc)
{
    start(QPointer<QObject>(), false, std::move(proc));
}

void TAwait::Await(QObject *context, std::function<void()> proc)
{
    start(QPointer<QObject>(context), true, std::move(proc));
}

void TAwait::start(QPointer<QObject> context, bool guarded, std::function<void()> proc)
{
    // The task keeps this object, the step and the continuation alive until the continuation ran.
    auto self = shared_from_this();
    asyncPool()->start([self, context, guarded, proc = std::move(proc)] {
        std::exception_ptr failure;
        try {
            self->FAsync();
        } catch (...) {
            failure = std::current_exception();
        }
        QObject *target = QCoreApplication::instance();
        if (!target)
            return;
        QMetaObject::invokeMethod(
            target,
            [self, context, guarded, proc, failure] {
                if (!guarded || context) {
                    if (proc)
                        proc();
                }
                // A step is to catch its own errors; one that escapes still reaches the error display.
                if (failure)
                    std::rethrow_exception(failure);
            },
            Qt::QueuedConnection);
    });
}

QThreadPool *asyncPool()
{
    static QThreadPool *pool = [] {
        auto *p = new QThreadPool; // lives as long as the process, as the steps may
        p->setMaxThreadCount(qMax(8, QThread::idealThreadCount() * 2));
        p->setExpiryTimeout(30000);
        return p;
    }();
    return pool;
}

std::shared_ptr<IAwait> Async(std::function<void()> step)
{
    return std::make_shared<TAwait>(std::move(step));
}

void Synchronize(const std::function<void()> &proc)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        proc();
        return;
    }
    std::exception_ptr failure;
    QMetaObject::invokeMethod(
        app,
        [&] {
            try {
                proc();
            } catch (...) {
                failure = std::current_exception();
            }
        },
        Qt::BlockingQueuedConnection);
    // As with the platform's synchronisation, an error raised there comes back to the worker.
    if (failure)
        std::rethrow_exception(failure);
}

void CreateAnonymousThread(std::function<void()> proc)
{
    std::thread([proc = std::move(proc)] {
        try {
            proc();
        } catch (...) {
        }
    }).detach();
}

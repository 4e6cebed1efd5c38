#pragma once

#include "engine/remuxjob.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QTimer>
#include <coroutine>
#include <memory>

// What the job's steps share, in the files they live in: their waits and their ways to end.
namespace RemuxJobSteps
{
using Outcome = RemuxOutcome;

inline QString stoppedAnswering(const QString &name)
{
    return QCoreApplication::translate("RemuxJob", "%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.")
        .arg(name);
}

inline Outcome failed(RunError error)
{
    return Outcome { false, std::move(error) };
}

inline Outcome failed(const QString &reason)
{
    return failed(RunError::platformError(reason));
}

// Resumes the awaiting coroutine at the job's next wake. Every wake is queued, so the coroutine
// never runs inside stop() or inside the process's own signal emission; after a wake it looks at
// the state again, so a spare wake does no harm.
class NextWake
{
public:
    explicit NextWake(RemuxJob *job)
        : m_job(job)
    { }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(m_job, &RemuxJob::woken, m_job, [handle, connection] {
            QObject::disconnect(*connection);
            handle.resume();
        });
    }
    void await_resume() const noexcept { }

private:
    RemuxJob *m_job;
};

struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};
}

template<typename T> QCoro::Task<std::optional<T>> RemuxJob::finished(QFuture<T> future, bool *gaveUp)
{
    std::unique_ptr<QFutureWatcher<T>, RemuxJobSteps::DeleteLater> watcher(new QFutureWatcher<T>(this));
    connect(watcher.get(), &QFutureWatcherBase::finished, this, &RemuxJob::woken, Qt::QueuedConnection);
    watcher->setFuture(future);
    QTimer deadline;
    if (gaveUp) {
        deadline.setSingleShot(true);
        connect(&deadline, &QTimer::timeout, this, &RemuxJob::woken, Qt::QueuedConnection);
        deadline.start(m_settings.stallLimit);
    }
    // While the file is being saved, Stop no longer undoes that step: it is waited for.
    while (!future.isFinished() && (m_saving || !m_stopped) && (!gaveUp || deadline.isActive())) {
        co_await RemuxJobSteps::NextWake(this);
    }
    if (!future.isFinished() && gaveUp && !m_stopped) {
        *gaveUp = true;
    }
    if (!future.isFinished()) {
        co_return std::nullopt;
    }
    co_return future.result();
}

#pragma once

#include "engine/remuxoutcome.h"

#include <QCoreApplication>
#include <QObject>
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
template<typename Job> class NextWake
{
public:
    explicit NextWake(Job *job)
        : m_job(job)
    { }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle)
    {
        auto connection = std::make_shared<QMetaObject::Connection>();
        *connection = QObject::connect(m_job, &Job::woken, m_job, [handle, connection] {
            QObject::disconnect(*connection);
            handle.resume();
        });
    }
    void await_resume() const noexcept { }

private:
    Job *m_job;
};

struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};
}

#pragma once

#include "engine/ffmpegrunner.h"
#include "engine/outputnaming.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <vector>

// Awaits a remux with a time limit, so a hang fails the test in seconds instead of the suite; on
// an event loop, not qWaitFor's 10 ms sleeps between rounds of events, which add up over a run.
// On a timeout the task is left running; its result goes to storage that outlives the test.
inline std::optional<FFmpegRunner::RemuxOutcome> finishWithin(QCoro::Task<FFmpegRunner::RemuxOutcome> task, int milliseconds)
{
    auto result = std::make_shared<std::optional<FFmpegRunner::RemuxOutcome>>();
    static std::vector<QCoro::Task<>> abandoned;
    QEventLoop loop;
    auto waiter = [](QCoro::Task<FFmpegRunner::RemuxOutcome> t, std::shared_ptr<std::optional<FFmpegRunner::RemuxOutcome>> r,
                      QPointer<QEventLoop> waiting) -> QCoro::Task<> {
        *r = co_await t;
        if (waiting)
            waiting->quit();
    }(std::move(task), result, &loop);
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    if (!result->has_value())
        loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!result->has_value())
        abandoned.push_back(std::move(waiter));
    return *result;
}

// Whether every child this process started is gone and reaped: a stopped ffmpeg is killed at
// once but reaped later, and its process object goes with it, so a test that ends before then
// leaves that object behind for the leak checker.
inline bool childrenReaped()
{
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile children(tasks.filePath(task + QStringLiteral("/children")));
        if (children.open(QIODevice::ReadOnly) && !children.readAll().trimmed().isEmpty())
            return false;
    }
    return true;
}

inline bool writeFile(const QString &path, const QByteArray &content, QFile::Permissions permissions = QFile::ReadOwner | QFile::WriteOwner)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() && file.setPermissions(permissions);
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

// Everything in `folder` but the names given: what a remux left behind.
inline QStringList leftovers(const QString &folder, const QStringList &expected)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    names.removeIf([&expected](const QString &name) { return expected.contains(name); });
    return names;
}

inline QString describe(const std::optional<FFmpegRunner::RunError> &error)
{
    return error ? error->errorDescription() : QString();
}

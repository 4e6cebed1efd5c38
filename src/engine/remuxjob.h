#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputcommit.h"
#include "engine/remuxjobsteps.h"
#include "engine/remuxoutcome.h"
#include "engine/retrypolicy.h"
#include "engine/trackchoice.h"
#include "engine/trackplan.h"

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <memory>
#include <optional>

// One file's remux from start to end: it owns its probes, its ffmpeg process, its temporary
// and its Stop, cleans up in one place whatever ends it, and reports one outcome. Everything
// that touches the disk runs on a worker thread, so a dead mount never blocks the caller's
// thread; Stop is reported at once, even while a disk call or ffmpeg's death is still pending.
class FFmpegProcess;
struct JoinSource;

class RemuxJob : public QObject
{
    Q_OBJECT

public:
    struct Settings {
        QUrl executable;
        std::chrono::milliseconds stallLimit; // for a probe and for ffmpeg, without a sign of reading
        std::function<void(MediaProbe::Control &)> probeHook;
        bool keepDates = true; // the new file gets the source's times
    };

    RemuxJob(Settings settings, QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice = {});
    ~RemuxJob() override;

    // Makes the job a join: `input` is the first part, and ffmpeg reads all the parts, checked and
    // probed, as one. Side files are not joined. Before run().
    void joinParts(JoinSource source);

    // Runs the whole remux once; must be called on the main thread, and only once.
    QCoro::Task<RemuxOutcome> run();

    // Ends the job without blocking: interrupts a probe, kills ffmpeg, removes the temporary.
    // run() then reports RunError::stopped().
    void stop();

    // Blocks until the temporary's removal that stop() started has ended, or the deadline.
    void waitForCleanUp(std::chrono::milliseconds limit) const;

    // Threads for calls that touch the disk but belong to no one mount. Never destroyed, so
    // quitting never waits for a call stuck on a dead mount. A job's own calls run on their
    // mount's thread (DiskCall).
    static QThreadPool *workers();

Q_SIGNALS:
    // Something the job waits for may have happened: output, an exit, a finished disk call, Stop.
    void woken();

private:
    // The result of a call on a worker thread, or none when Stop came first (but while the file
    // is being saved), or when `gaveUp` is given and the call didn't answer within the stall
    // limit (then `*gaveUp` is set).
    template<typename T> QCoro::Task<std::optional<T>> finished(QFuture<T> future, bool *gaveUp = nullptr);
    QCoro::Task<std::optional<MediaProbe::Info>> probe(QUrl file, MediaProbe::Depth depth, bool *stalled);
    QCoro::Task<std::optional<RunError>> runFFmpeg(QStringList arguments, std::optional<double> duration);
    QCoro::Task<RemuxOutcome> remux();

    // What the first step found: the source's tracks and the plan (none when the source couldn't
    // be read), the source's permission bits, and a scratch folder for side copies and covers.
    struct Inputs {
        std::optional<MediaProbe::Info> info;
        std::optional<TrackPlan> plan;
        mode_t permissions = 0644;
        std::optional<QTemporaryDir> scratch;
    };
    // The source and its side files looked at and the plan made, before anything is written. An
    // outcome ends the job there (refused, skipped, stopped); none goes on with `inputs`.
    QCoro::Task<std::optional<RemuxOutcome>> prepareInputs(Inputs &inputs);
    // The new file read back and held against the plan of the last attempt. An outcome (a
    // failure, or Stop) ends the job and the temporary goes; none keeps it, with the notes and
    // warnings of the plan and the read-back added.
    QCoro::Task<std::optional<RemuxOutcome>> judge(const Inputs &inputs, QUrl temporary, RemuxAttempt attempt, QStringList &notes, QStringList &warnings);
    void wakeSoon();
    // A join's read-back of the new file: none when every part arrived whole, else why not.
    QCoro::Task<std::optional<QString>> checkJoined(QUrl output, QList<TrackPlan::Track> tracks, QStringList *notes);

    Settings m_settings;
    QUrl m_input;
    QUrl m_output;
    OutputFormat m_format;
    ProgressHandler m_onProgress;
    TrackChoice m_choice;
    bool m_stopped = false;
    bool m_saving = false; // the finished file is being flushed and named: Stop no longer undoes it
    std::shared_ptr<MediaProbe::Control> m_probe;
    FFmpegProcess *m_process = nullptr; // not a child: it may outlive the job until it can be reaped
    std::optional<OutputCommit::Temporary> m_temporary;
    QFuture<void> m_cleanUp;
    std::shared_ptr<const JoinSource> m_join;
};

// Defined here for the files the job's steps live in.
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
        co_await RemuxJobSteps::NextWake<RemuxJob>(this);
    }
    if (!future.isFinished() && gaveUp && !m_stopped) {
        *gaveUp = true;
    }
    if (!future.isFinished()) {
        co_return std::nullopt;
    }
    co_return future.result();
}

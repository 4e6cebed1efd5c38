#include "engine/ffmpegrunner.h"

#include "engine/ffmpegarguments.h"
#include "engine/joinjob.h"
#include "engine/remuxjob.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <sys/stat.h>
#include <unistd.h>

// Locating

FFmpegRunner::Locations FFmpegRunner::Locations::platformDefault()
{
    return Locations {
        QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(),
        { QStringLiteral("/usr/local/bin/ffmpeg"), QStringLiteral("/usr/bin/ffmpeg") },
    };
}

namespace
{
// A regular file once links are followed, that this user may execute: a directory named
// "ffmpeg" has execute bits too, but is nothing to run.
bool isExecutableFile(const QString &path)
{
    if (path.isEmpty()) {
        return false;
    }
    const QByteArray native = QFile::encodeName(path);
    struct stat info {
    };
    return ::stat(native.constData(), &info) == 0 && S_ISREG(info.st_mode) && ::access(native.constData(), X_OK) == 0;
}
}

std::optional<QUrl> FFmpegRunner::locateFFmpeg() const
{
    if (!m_locations.resourceDirectory.isEmpty()) {
        const QString bundled = QDir(m_locations.resourceDirectory).filePath(QStringLiteral("ffmpeg"));
        if (isExecutableFile(bundled)) {
            return QUrl::fromLocalFile(bundled);
        }
    }
    for (const QString &path : m_locations.ffmpegSearchPaths) {
        if (isExecutableFile(path)) {
            return QUrl::fromLocalFile(path);
        }
    }
    return std::nullopt;
}

bool FFmpegRunner::ffmpegAvailable() const
{
    return locateFFmpeg().has_value();
}

// Arguments

const QStringList &FFmpegRunner::dataTrackFailureMarkers()
{
    return RetryPolicy::dataTrackFailureMarkers();
}

const QStringList &FFmpegRunner::missingTimestampMarkers()
{
    return RetryPolicy::missingTimestampMarkers();
}

bool FFmpegRunner::isDataTrackFailure(const QString &stderrText)
{
    return RetryPolicy::isDataTrackFailure(stderrText);
}

QString FFmpegRunner::muxerName(OutputFormat format)
{
    return FFmpegArguments::muxerName(format);
}

QStringList FFmpegRunner::coverArguments(const QUrl &input, const TrackPlan::Cover &cover, const QString &path)
{
    return FFmpegArguments::cover(input, cover, path);
}

QStringList FFmpegRunner::buildArguments(const QUrl &input, const QUrl &output, OutputFormat format, const Retry &retry, const std::optional<TrackPlan> &plan)
{
    return FFmpegArguments::build(input, output, format, retry, plan);
}

struct FFmpegRunner::Shared {
    QList<QPointer<RemuxJob>> jobs;
    QList<QPointer<JoinJob>> joins;
    std::chrono::milliseconds stallLimit = std::chrono::seconds(30);
    std::function<void(MediaProbe::Control &)> probeHook;
    bool keepDates = true;
};

FFmpegRunner::FFmpegRunner(Locations locations)
    : m_locations(std::move(locations))
    , m_shared(std::make_shared<Shared>())
{ }

// The coroutines in flight keep Shared alive and never touch the runner. Their ffmpeg is killed
// (and dies anyway when the process ends); their temporaries are given a moment to go.
FFmpegRunner::~FFmpegRunner()
{
    const auto jobs = m_shared->jobs;
    stopRunning(std::chrono::milliseconds::zero());
    const QDeadlineTimer deadline(1000);
    for (const QPointer<RemuxJob> &job : jobs) {
        if (job) {
            job->waitForCleanUp(std::chrono::milliseconds(std::max<qint64>(deadline.remainingTime(), 0)));
        }
    }
}

void FFmpegRunner::setProbeWatch(std::chrono::milliseconds stallLimit, std::function<void(MediaProbe::Control &)> hook)
{
    m_shared->stallLimit = stallLimit;
    m_shared->probeHook = std::move(hook);
}

void FFmpegRunner::setKeepDates(bool keep)
{
    m_shared->keepDates = keep;
}

bool FFmpegRunner::keepsDates() const
{
    return m_shared->keepDates;
}

void FFmpegRunner::stopRunning(std::chrono::milliseconds)
{
    for (const QPointer<RemuxJob> &job : std::as_const(m_shared->jobs)) {
        if (job) {
            job->stop();
        }
    }
    for (const QPointer<JoinJob> &join : std::as_const(m_shared->joins)) {
        if (join) {
            join->stop();
        }
    }
}

bool FFmpegRunner::hasRunsInFlight() const
{
    return std::any_of(m_shared->jobs.cbegin(), m_shared->jobs.cend(), [](const QPointer<RemuxJob> &job) { return !job.isNull(); })
        || std::any_of(m_shared->joins.cbegin(), m_shared->joins.cend(), [](const QPointer<JoinJob> &join) { return !join.isNull(); });
}

namespace
{
struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};

QCoro::Task<FFmpegRunner::RemuxOutcome> runJob(std::shared_ptr<FFmpegRunner::Shared> shared, std::optional<QUrl> executable, QUrl input, QUrl output,
    OutputFormat format, FFmpegRunner::ProgressHandler onProgress, TrackChoice choice)
{
    if (!executable) {
        co_return FFmpegRunner::RemuxOutcome { false, FFmpegRunner::RunError::ffmpegNotFound() };
    }
    std::unique_ptr<RemuxJob, DeleteLater> job(new RemuxJob({ *executable, shared->stallLimit, shared->probeHook, shared->keepDates }, std::move(input),
        std::move(output), format, std::move(onProgress), std::move(choice)));
    shared->jobs.append(job.get());
    auto running = job->run();
    auto outcome = co_await running;
    shared->jobs.removeAll(job.get());
    co_return outcome;
}
}

QCoro::Task<FFmpegRunner::RemuxOutcome> FFmpegRunner::remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice)
{
    return runJob(m_shared, locateFFmpeg(), std::move(input), std::move(output), format, std::move(onProgress), std::move(choice));
}

QCoro::Task<FFmpegRunner::RemuxOutcome> FFmpegRunner::join(QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice)
{
    const std::optional<QUrl> executable = locateFFmpeg();
    if (!executable) {
        co_return RemuxOutcome { false, RunError::ffmpegNotFound() };
    }
    const std::shared_ptr<Shared> shared = m_shared; // the coroutine may outlive the runner
    std::unique_ptr<JoinJob, DeleteLater> job(new JoinJob({ *executable, shared->stallLimit, shared->probeHook, shared->keepDates }, std::move(parts),
        std::move(output), format, std::move(onProgress), std::move(choice)));
    shared->joins.append(job.get());
    auto running = job->run();
    auto outcome = co_await running;
    shared->joins.removeAll(job.get());
    co_return outcome;
}

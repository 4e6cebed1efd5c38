#include "engine/ffmpegrunner.h"

#include "engine/failurereason.h"
#include "engine/remuxjob.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <sys/stat.h>
#include <unistd.h>

// RunError

FFmpegRunner::RunError::RunError(Case c, int exitCode, QString text, QStringList lost, std::optional<OutputFormat> format)
    : m_case(c)
    , m_exitCode(exitCode)
    , m_text(std::move(text))
    , m_lost(std::move(lost))
    , m_format(format)
{ }

FFmpegRunner::RunError FFmpegRunner::RunError::processFailed(int exitCode, const QString &stderrText)
{
    return RunError(Case::processFailed, exitCode, stderrText, {});
}

FFmpegRunner::RunError FFmpegRunner::RunError::ffmpegNotFound()
{
    return RunError(Case::ffmpegNotFound, 0, {}, {});
}

FFmpegRunner::RunError FFmpegRunner::RunError::streamsNotCarried(const QStringList &lostStreams, OutputFormat format)
{
    return RunError(Case::streamsNotCarried, 0, {}, lostStreams, format);
}

FFmpegRunner::RunError FFmpegRunner::RunError::platformError(const QString &description)
{
    return RunError(Case::platformError, 0, description, {});
}

FFmpegRunner::RunError FFmpegRunner::RunError::stopped()
{
    return RunError(Case::stopped, 0, {}, {});
}

FFmpegRunner::RunError::Case FFmpegRunner::RunError::errorCase() const
{
    return m_case;
}

int FFmpegRunner::RunError::exitCode() const
{
    return m_case == Case::processFailed ? m_exitCode : 0;
}

QString FFmpegRunner::RunError::stderrText() const
{
    return m_case == Case::processFailed ? m_text : QString();
}

QStringList FFmpegRunner::RunError::lostStreams() const
{
    return m_case == Case::streamsNotCarried ? m_lost : QStringList();
}

std::optional<OutputFormat> FFmpegRunner::RunError::format() const
{
    return m_format;
}

QString FFmpegRunner::RunError::errorDescription() const
{
    switch (m_case) {
    case Case::processFailed:
        return FailureReason::describe(m_exitCode, m_text);
    case Case::ffmpegNotFound:
        return QCoreApplication::translate("FFmpegRunner", "ffmpeg wasn't found. Install the ffmpeg package and try again.");
    case Case::streamsNotCarried: {
        const QString container = OutputFormats::displayName(m_format.value_or(OutputFormat::mkv));
        QString text = m_lost.size() > 1
            ? QCoreApplication::translate("FFmpegRunner", "%1 can't carry the %2 and %3 streams of this file, so the new file lacks them.")
                  .arg(container, QStringList(m_lost.first(m_lost.size() - 1)).join(QCoreApplication::translate("FFmpegRunner", ", ")), m_lost.last())
            : QCoreApplication::translate("FFmpegRunner", "%1 can't carry the %2 stream of this file, so the new file lacks it.")
                  .arg(container, m_lost.value(0));
        if (m_format != OutputFormat::mkv) {
            text += QCoreApplication::translate("FFmpegRunner", " Try MKV.");
        }
        return text;
    }
    case Case::platformError:
        return m_text.isEmpty() ? QCoreApplication::translate("FFmpegRunner", "ffmpeg could not be run.") : m_text;
    case Case::stopped:
        return QCoreApplication::translate("FFmpegRunner", "Stopped.");
    }
    return {};
}

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
    // ffmpeg names its muxers like the formats' raw values, but for Matroska.
    return format == OutputFormat::mkv ? QStringLiteral("matroska") : OutputFormats::rawValue(format);
}

namespace
{
QString dispositionOf(const TrackPlan::Track &track)
{
    using Flag = MediaProbe::Flag;
    QStringList names;
    for (const auto &[flag, name] : { std::pair { Flag::isDefault, "default" }, { Flag::forced, "forced" }, { Flag::hearingImpaired, "hearing_impaired" },
             { Flag::visualImpaired, "visual_impaired" }, { Flag::commentary, "comment" }, { Flag::original, "original" } }) {
        if (track.flags.testFlag(flag)) {
            names << QString::fromLatin1(name);
        }
    }
    names << track.otherMarks;
    if (track.attachedPicture) {
        names << QStringLiteral("attached_pic");
    }
    return names.isEmpty() ? QStringLiteral("0") : names.join(u'+');
}

// Each track by its number, then what the plan states of it by its place in the new file.
// Unstated, ffmpeg would mark the first track of a kind default when none is.
void addPlan(QStringList &arguments, const TrackPlan &plan)
{
    for (const TrackPlan::Track &track : plan.tracks) {
        arguments << QStringLiteral("-map") << QStringLiteral("0:%1").arg(track.source);
    }
    arguments << QStringLiteral("-c") << QStringLiteral("copy");
    // MP4 and MOV keep a track's title only as its handler name.
    const QString titleKey = plan.format == OutputFormat::mp4 || plan.format == OutputFormat::mov ? QStringLiteral("handler_name=") : QStringLiteral("title=");
    for (qsizetype k = 0; k < plan.tracks.size(); ++k) {
        const TrackPlan::Track &track = plan.tracks[k];
        if (!track.encoder.isEmpty()) {
            arguments << QStringLiteral("-c:%1").arg(k) << track.encoder;
        }
        if (track.kind != MediaProbe::StreamKind::video && track.kind != MediaProbe::StreamKind::audio && track.kind != MediaProbe::StreamKind::subtitle) {
            continue;
        }
        arguments << QStringLiteral("-disposition:%1").arg(k) << dispositionOf(track);
        if (!track.language.isEmpty()) {
            arguments << QStringLiteral("-metadata:s:%1").arg(k) << QStringLiteral("language=") + track.language;
        }
        if (!track.title.isEmpty() && TrackPlan::records(plan.format).title) {
            arguments << QStringLiteral("-metadata:s:%1").arg(k) << titleKey + track.title;
        }
    }
    // Attachments are numbered among themselves: the copied ones first, then these.
    auto attachment = std::count_if(plan.tracks.cbegin(), plan.tracks.cend(), [](const auto &t) { return t.kind == MediaProbe::StreamKind::attachment; });
    for (const TrackPlan::Cover &cover : plan.covers) {
        if (!cover.path.isEmpty()) {
            arguments << QStringLiteral("-attach") << cover.path << QStringLiteral("-metadata:s:t:%1").arg(attachment)
                      << QStringLiteral("mimetype=") + cover.mimeType << QStringLiteral("-metadata:s:t:%1").arg(attachment++)
                      << QStringLiteral("filename=") + cover.fileName;
        }
    }
}
}

QStringList FFmpegRunner::coverArguments(const QUrl &input, const TrackPlan::Cover &cover, const QString &path)
{
    return { QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-nostats"), QStringLiteral("-i"),
        input.toLocalFile(), QStringLiteral("-map"), QStringLiteral("0:%1").arg(cover.source), QStringLiteral("-c"), QStringLiteral("copy"),
        QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-y"), path };
}

QStringList FFmpegRunner::buildArguments(const QUrl &input, const QUrl &output, OutputFormat format, const Retry &retry, const std::optional<TrackPlan> &plan)
{
    QStringList arguments {
        QStringLiteral("-hide_banner"),
        QStringLiteral("-loglevel"),
        QStringLiteral("error"),
        QStringLiteral("-nostats"),
        QStringLiteral("-progress"),
        QStringLiteral("pipe:1"),
    };
    if (retry.generateTimestamps) {
        arguments << QStringLiteral("-fflags") << QStringLiteral("+genpts");
    }
    arguments << QStringLiteral("-i") << input.toLocalFile();
    if (plan) {
        addPlan(arguments, plan->leavingOut(retry));
    } else {
        arguments << QStringLiteral("-map") << QStringLiteral("0");
        if (retry.leaveOut) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:d");
            if (retry.leaveOutAttachments) {
                arguments << QStringLiteral("-map") << QStringLiteral("-0:t");
            }
        }
        for (const int index : retry.leftOutIndexes) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:%1").arg(index);
        }
        arguments << QStringLiteral("-c") << QStringLiteral("copy");
    }
    if (format == OutputFormat::mp4 || format == OutputFormat::mov) {
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    }
    arguments << QStringLiteral("-f") << muxerName(format) << QStringLiteral("-y") << output.toLocalFile();
    return arguments;
}

// Running

struct FFmpegRunner::Shared {
    QList<QPointer<RemuxJob>> jobs;
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
}

bool FFmpegRunner::hasRunsInFlight() const
{
    return std::any_of(m_shared->jobs.cbegin(), m_shared->jobs.cend(), [](const QPointer<RemuxJob> &job) { return !job.isNull(); });
}

namespace
{
struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};

QCoro::Task<FFmpegRunner::RemuxOutcome> runJob(std::shared_ptr<FFmpegRunner::Shared> shared, std::optional<QUrl> executable, QUrl input, QUrl output,
    OutputFormat format, FFmpegRunner::ProgressHandler onProgress)
{
    if (!executable) {
        co_return FFmpegRunner::RemuxOutcome { false, FFmpegRunner::RunError::ffmpegNotFound() };
    }
    std::unique_ptr<RemuxJob, DeleteLater> job(new RemuxJob(
        { *executable, shared->stallLimit, shared->probeHook, shared->keepDates }, std::move(input), std::move(output), format, std::move(onProgress)));
    shared->jobs.append(job.get());
    auto running = job->run();
    auto outcome = co_await running;
    shared->jobs.removeAll(job.get());
    co_return outcome;
}
}

QCoro::Task<FFmpegRunner::RemuxOutcome> FFmpegRunner::remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress)
{
    return runJob(m_shared, locateFFmpeg(), std::move(input), std::move(output), format, std::move(onProgress));
}

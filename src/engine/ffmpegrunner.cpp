#include "engine/ffmpegrunner.h"

#include "engine/outputcommit.h"
#include "engine/outputnaming.h"
#include "engine/remuxchecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QStringDecoder>
#include <QTimer>
#include <algorithm>
#include <array>
#include <cerrno>
#include <coroutine>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
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
        return QStringLiteral("ffmpeg exited %1: ").arg(m_exitCode) + m_text;
    case Case::ffmpegNotFound:
        return QStringLiteral("ffmpeg binary not found in app bundle.");
    case Case::streamsNotCarried: {
        QString streams = m_lost.size() > 1 ? QStringList(m_lost.first(m_lost.size() - 1)).join(QStringLiteral(", ")) + QStringLiteral(" and ") + m_lost.last()
                                            : m_lost.value(0);
        QString text = QStringLiteral("%1 can't carry the %2 %3 of this file, so the new file lacks %4.")
                           .arg(OutputFormats::displayName(m_format.value_or(OutputFormat::mkv)), streams,
                               m_lost.size() > 1 ? QStringLiteral("streams") : QStringLiteral("stream"),
                               m_lost.size() > 1 ? QStringLiteral("them") : QStringLiteral("it"));
        if (m_format != OutputFormat::mkv) {
            text += QStringLiteral(" Try MKV.");
        }
        return text;
    }
    case Case::platformError:
        return m_text.isEmpty() ? QStringLiteral("ffmpeg could not be run.") : m_text;
    case Case::stopped:
        return QStringLiteral("Stopped.");
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
    static const QStringList markers {
        QStringLiteral("not currently supported in container"),
        QStringLiteral("could not write header"),
        QStringLiteral("could not find tag for codec"),
    };
    return markers;
}

const QStringList &FFmpegRunner::missingTimestampMarkers()
{
    static const QStringList markers {
        QStringLiteral("unknown timestamp"),
        QStringLiteral("first pts and dts value must be set"),
        QStringLiteral("timestamps are unset"),
    };
    return markers;
}

namespace
{
bool containsAny(const QString &text, const QStringList &markers)
{
    const QString lowered = text.toLower();
    return std::any_of(markers.cbegin(), markers.cend(), [&lowered](const QString &marker) { return lowered.contains(marker); });
}
}

bool FFmpegRunner::isDataTrackFailure(const QString &stderrText)
{
    return containsAny(stderrText, dataTrackFailureMarkers());
}

QString FFmpegRunner::muxerName(OutputFormat format)
{
    // ffmpeg names its muxers like the formats' raw values, but for Matroska.
    return format == OutputFormat::mkv ? QStringLiteral("matroska") : OutputFormats::rawValue(format);
}

QStringList FFmpegRunner::buildArguments(const QUrl &input, const QUrl &output, OutputFormat format, const Retry &retry)
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
    arguments << QStringLiteral("-i") << input.toLocalFile() << QStringLiteral("-map") << QStringLiteral("0");
    if (retry.leaveOut) {
        arguments << QStringLiteral("-map") << QStringLiteral("-0:d");
        if (retry.leaveOutAttachments) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:t");
        }
        for (const int index : retry.leftOutIndexes) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:%1").arg(index);
        }
    }
    arguments << QStringLiteral("-c") << QStringLiteral("copy");
    if (format == OutputFormat::mp4 || format == OutputFormat::mov) {
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    }
    arguments << QStringLiteral("-f") << muxerName(format) << QStringLiteral("-y") << output.toLocalFile();
    return arguments;
}

// Running

namespace
{
// Resumes the awaiting coroutine at the next readyRead, finished or errorOccurred of the process.
// Waiting on all three at once is what keeps a read loop from hanging after the exit and lets a
// failed launch end the run at once. The resumption is queued, so the coroutine never runs
// inside QProcess's own signal emission and may drop the process freely.
class ProcessActivity
{
public:
    explicit ProcessActivity(QProcess *process)
        : m_process(process)
    { }
    bool await_ready() const noexcept { return false; }
    void await_suspend(std::coroutine_handle<> handle)
    {
        struct Shared {
            bool fired = false;
            std::array<QMetaObject::Connection, 3> connections;
        };
        auto shared = std::make_shared<Shared>();
        const auto wake = [handle, shared] {
            if (std::exchange(shared->fired, true)) {
                return;
            }
            for (const auto &connection : shared->connections) {
                QObject::disconnect(connection);
            }
            handle.resume();
        };
        shared->connections = {
            QObject::connect(m_process, &QProcess::readyReadStandardOutput, m_process, wake, Qt::QueuedConnection),
            QObject::connect(m_process, &QProcess::finished, m_process, wake, Qt::QueuedConnection),
            QObject::connect(m_process, &QProcess::errorOccurred, m_process, wake, Qt::QueuedConnection),
        };
    }
    void await_resume() const noexcept { }

private:
    QProcess *m_process;
};

struct DeleteLater {
    void operator()(QObject *object) const { object->deleteLater(); }
};

// Undecodable error output is shown as no text rather than as replacement characters.
QString decodeStrictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}
}

struct FFmpegRunner::Shared {
    QList<QPointer<QProcess>> running;
    QStringList temporaries;
    QList<std::shared_ptr<MediaProbe::Control>> probes;
    quint64 stopCount = 0; // a remux that sees this change was stopped
    std::chrono::milliseconds stallLimit = std::chrono::seconds(10);
    std::function<void(MediaProbe::Control &)> probeHook;
};

FFmpegRunner::FFmpegRunner(Locations locations)
    : m_locations(std::move(locations))
    , m_shared(std::make_shared<Shared>())
{ }

// The coroutines in flight keep Shared alive and never touch the runner; what they started is
// ended here, quickly: a killed ffmpeg is reaped within milliseconds.
FFmpegRunner::~FFmpegRunner()
{
    stopRunning(std::chrono::milliseconds::zero());
    for (const QPointer<QProcess> &process : std::as_const(m_shared->running)) {
        if (process) {
            process->waitForFinished(1000);
        }
    }
    for (const QString &path : std::as_const(m_shared->temporaries)) {
        QFile::remove(path);
    }
}

void FFmpegRunner::setProbeWatch(std::chrono::milliseconds stallLimit, std::function<void(MediaProbe::Control &)> hook)
{
    m_shared->stallLimit = stallLimit;
    m_shared->probeHook = std::move(hook);
}

void FFmpegRunner::stopRunning(std::chrono::milliseconds grace)
{
    Shared &shared = *m_shared;
    ++shared.stopCount;
    for (const auto &control : std::as_const(shared.probes)) {
        control->stop = true;
    }
    for (const QPointer<QProcess> &process : std::as_const(shared.running)) {
        if (!process || process->state() == QProcess::NotRunning) {
            continue;
        }
        if (grace <= std::chrono::milliseconds::zero()) {
            process->kill();
            continue;
        }
        process->terminate();
        QTimer::singleShot(grace, process, [process] { process->kill(); });
    }
    // ffmpeg may still hold a temporary open, or open it anew before it dies; each remux removes
    // its own once more when its run has ended.
    for (const QString &path : std::as_const(shared.temporaries)) {
        QFile::remove(path);
    }
}

namespace
{
using Shared = FFmpegRunner::Shared;
using RunError = FFmpegRunner::RunError;
using Info = MediaProbe::Info;

// One ffmpeg process: launches it, feeds its progress lines to the parser and decides the
// outcome from its exit. Returns the error, or none on exit status 0.
QCoro::Task<std::optional<RunError>> runOnce(
    std::shared_ptr<Shared> shared, QUrl executable, QStringList arguments, std::optional<double> duration, FFmpegRunner::ProgressHandler onProgress)
{
    std::unique_ptr<QProcess, DeleteLater> process(new QProcess);
    process->setProgram(executable.toLocalFile());
    process->setArguments(arguments);
    // ffmpeg reads keys from a terminal on stdin and changes its modes; it gets nothing to read.
    process->setStandardInputFile(QProcess::nullDevice());

    ProgressStream stream(duration);
    const auto deliver = [&](const QList<ProgressParser::Progress> &records) {
        for (const auto &progress : records) {
            if (onProgress) {
                onProgress(progress);
            }
        }
    };
    const auto drainOutput = [&] { deliver(stream.push(process->readAllStandardOutput())); };

    process->start(QIODevice::ReadOnly);
    shared->running.append(process.get());
    const auto unregister = qScopeGuard([shared, child = process.get()] { shared->running.removeAll(child); });
    bool readFailed = false;
    while (true) {
        drainOutput();
        if (process->state() == QProcess::NotRunning || process->error() == QProcess::ReadError) {
            readFailed = process->error() == QProcess::ReadError;
            break;
        }
        co_await ProcessActivity(process.get());
    }

    if (process->error() == QProcess::FailedToStart || readFailed) {
        const QString reason = process->errorString();
        if (process->state() != QProcess::NotRunning) {
            // Neither wait for nor stop a child whose output broke off: it is let go, and its
            // QProcess goes once it has exited.
            QObject::connect(process.get(), &QProcess::finished, process.get(), &QObject::deleteLater);
            process.release();
        }
        co_return RunError::platformError(reason);
    }
    drainOutput();
    deliver(stream.finish());

    // A child ended by a signal reports that signal's number as its status.
    const int status = process->exitCode();
    if (process->exitStatus() == QProcess::NormalExit && status == 0) {
        co_return std::nullopt;
    }
    co_return RunError::processFailed(status, decodeStrictUtf8(process->readAllStandardError()));
}

// A probe that Stop interrupts at once and that gives up when reading stalls.
QCoro::Task<std::optional<Info>> watchedProbe(std::shared_ptr<Shared> shared, QUrl file, MediaProbe::Depth depth, bool *stalled = nullptr)
{
    auto control = std::make_shared<MediaProbe::Control>();
    shared->probes.append(control);
    const quint64 stops = shared->stopCount;
    // Every awaited task is a named variable: GCC 12 may destroy the temporaries of a co_await
    // expression twice.
    auto probing = MediaProbe::probe(file, depth, control, shared->stallLimit, depth == MediaProbe::Depth::full ? shared->probeHook : nullptr);
    auto info = co_await probing;
    shared->probes.removeOne(control);
    if (stalled) {
        *stalled = control->stop && stops == shared->stopCount;
    }
    co_return info;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The refusal of a file ffmpeg must not be handed: a name QString can't carry, or no regular file.
std::optional<RunError> unfitInput(const QUrl &input)
{
    // A name that is not valid UTF-8 cannot pass through a QString: its bytes decode to U+FFFD
    // and the path would name another file, or none. Refuse it rather than guess.
    if (QFile::encodeName(input.toLocalFile()) != QByteArray::fromPercentEncoding(input.path(QUrl::FullyEncoded).toLatin1())) {
        return RunError::platformError(QStringLiteral("This file's name is not valid UTF-8, so it can't be handed to ffmpeg. Rename it and add it again."));
    }
    // A pipe or a device would be read forever; a missing file is left to ffmpeg's own words.
    struct stat info {
    };
    if (::stat(QFile::encodeName(input.toLocalFile()).constData(), &info) == 0 && !S_ISREG(info.st_mode)) {
        return RunError::platformError(QStringLiteral("%1 isn't a regular file, so it can't be converted.").arg(input.fileName()));
    }
    return std::nullopt;
}

QCoro::Task<FFmpegRunner::RemuxOutcome> remuxInto(
    std::shared_ptr<Shared> shared, std::optional<QUrl> executable, QUrl input, QUrl output, OutputFormat format, FFmpegRunner::ProgressHandler onProgress)
{
    using Outcome = FFmpegRunner::RemuxOutcome;
    if (!executable) {
        co_return Outcome { false, RunError::ffmpegNotFound() };
    }
    if (auto refusal = unfitInput(input)) {
        co_return Outcome { false, refusal };
    }
    const quint64 stops = shared->stopCount;
    const auto stopped = [&] { return shared->stopCount != stops; };

    bool stalled = false;
    auto probingInput = watchedProbe(shared, input, MediaProbe::Depth::full, &stalled);
    const auto inputInfo = co_await probingInput;
    if (stopped()) {
        co_return Outcome { false, RunError::stopped() };
    }
    if (stalled) {
        co_return Outcome { false,
            RunError::platformError(QStringLiteral("%1 stopped answering while it was read, so it was skipped. Check that its drive or share is still there.")
                                        .arg(input.fileName())) };
    }

    const QString outputPath = output.toLocalFile();
    const QString folder = QFileInfo(outputPath).path();
    const auto outputName = OutputNaming::splitExtension(QFileInfo(outputPath).fileName());
    int error = 0;
    const auto temporary = OutputCommit::createTemporary(folder, outputName, &error);
    if (!temporary) {
        co_return Outcome { false, RunError::platformError(QStringLiteral("Can't write into %1: %2.").arg(folder, errnoText(error))) };
    }
    shared->temporaries.append(*temporary);
    bool committed = false;
    const auto cleanUp = qScopeGuard([shared, path = *temporary, &committed] {
        shared->temporaries.removeOne(path);
        if (!committed) {
            QFile::remove(path);
        }
    });
    const QUrl temporaryUrl = QUrl::fromLocalFile(*temporary);
    const auto duration = inputInfo ? inputInfo->duration : std::nullopt;

    // Each known cause is retried once, keeping what earlier retries decided.
    FFmpegRunner::Retry retry;
    bool droppedDataTracks = false;
    bool generatedTimestamps = false;
    std::optional<RunError> failure;
    for (int attempt = 0; attempt < 3; ++attempt) {
        auto running = runOnce(shared, *executable, FFmpegRunner::buildArguments(input, temporaryUrl, format, retry), duration, onProgress);
        failure = co_await running;
        if (stopped()) {
            co_return Outcome { false, RunError::stopped() };
        }
        if (!failure || failure->errorCase() != RunError::Case::processFailed) {
            break;
        }
        if (!retry.leaveOut && FFmpegRunner::isDataTrackFailure(failure->stderrText())) {
            retry.leaveOut = true;
            // Unknown streams: leave out what a type can name, as before the streams were known.
            retry.leaveOutAttachments = inputInfo && RemuxChecks::countKind(*inputInfo, MediaProbe::StreamKind::attachment) > 0;
            for (const auto &stream : inputInfo ? inputInfo->streams : QList<MediaProbe::Stream>()) {
                if (RemuxChecks::isPicture(stream)) {
                    retry.leftOutIndexes.append(stream.index);
                }
            }
            // The data-track note is owed when data streams go, or when nothing else left out
            // explains why the retry got through.
            droppedDataTracks = !inputInfo || RemuxChecks::countKind(*inputInfo, MediaProbe::StreamKind::data) > 0
                || (!retry.leaveOutAttachments && retry.leftOutIndexes.isEmpty());
        } else if (!retry.generateTimestamps && containsAny(failure->stderrText(), FFmpegRunner::missingTimestampMarkers())) {
            retry.generateTimestamps = generatedTimestamps = true;
        } else {
            break;
        }
    }
    if (failure) {
        co_return Outcome { false, failure };
    }

    // ffmpeg exits 0 even when it wrote a stream as private data no player reads back, or
    // silently left something out.
    QStringList notes;
    QStringList warnings;
    if (generatedTimestamps) {
        warnings << QStringLiteral("The source lacks timestamps, so new ones were generated.");
    }
    if (inputInfo) {
        auto probingOutput = watchedProbe(shared, temporaryUrl, MediaProbe::Depth::header);
        const auto outputInfo = co_await probingOutput;
        if (stopped()) {
            co_return Outcome { false, RunError::stopped() };
        }
        // Only a file read back as the container that was written tells what it carries; one
        // that libavformat takes for something else was not understood, so there is no verdict.
        if (outputInfo && RemuxChecks::readAsContainer(*outputInfo, format)) {
            if (const QStringList lost = RemuxChecks::streamsLost(*inputInfo, *outputInfo); !lost.isEmpty()) {
                co_return Outcome { false, RunError::streamsNotCarried(lost, format) };
            }
            notes << RemuxChecks::notesOnArrival(*inputInfo, *outputInfo, format);
            warnings << RemuxChecks::warningsOnArrival(*inputInfo, *outputInfo);
        }
    }

    // The name asked for, or, when something took it meanwhile, the next free one.
    const QString base = OutputNaming::splitExtension(input.fileName()).base;
    QString target = outputPath;
    for (int attempt = 0; attempt < 100; ++attempt) {
        error = OutputCommit::moveWithoutReplacing(*temporary, target);
        if (error != EEXIST) {
            break;
        }
        target = OutputNaming::freePath(folder, base, outputName.extension);
    }
    if (error != 0) {
        co_return Outcome { false, RunError::platformError(QStringLiteral("The new file couldn't be named %1: %2.").arg(target, errnoText(error))) };
    }
    committed = true;
    co_return Outcome { droppedDataTracks, std::nullopt, QUrl::fromLocalFile(target), notes, warnings };
}
}

QCoro::Task<FFmpegRunner::RemuxOutcome> FFmpegRunner::remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress)
{
    return remuxInto(m_shared, locateFFmpeg(), std::move(input), std::move(output), format, std::move(onProgress));
}

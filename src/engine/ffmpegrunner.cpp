#include "engine/ffmpegrunner.h"

#include "engine/mediaprobe.h"
#include "engine/progressparser.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QStringDecoder>
#include <array>
#include <coroutine>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

// RunError

FFmpegRunner::RunError::RunError(Case c, int exitCode, QString text, QStringList lost)
    : m_case(c)
    , m_exitCode(exitCode)
    , m_text(std::move(text))
    , m_lost(std::move(lost))
{ }

FFmpegRunner::RunError FFmpegRunner::RunError::processFailed(int exitCode, const QString &stderrText)
{
    return RunError(Case::processFailed, exitCode, stderrText, {});
}

FFmpegRunner::RunError FFmpegRunner::RunError::ffmpegNotFound()
{
    return RunError(Case::ffmpegNotFound, 0, {}, {});
}

FFmpegRunner::RunError FFmpegRunner::RunError::streamsNotCarried(const QStringList &lostStreams, const QString &containerName)
{
    return RunError(Case::streamsNotCarried, 0, containerName, lostStreams);
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
                           .arg(m_text, streams, m_lost.size() > 1 ? QStringLiteral("streams") : QStringLiteral("stream"),
                               m_lost.size() > 1 ? QStringLiteral("them") : QStringLiteral("it"));
        if (m_text != containerName(OutputFormat::mkv)) {
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

FFmpegRunner::FFmpegRunner(Locations locations)
    : m_locations(std::move(locations))
{ }

FFmpegRunner::~FFmpegRunner() = default;

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
    for (const QString &path : m_locations.searchPaths) {
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

bool FFmpegRunner::isDataTrackFailure(const QString &stderrText)
{
    const QString lowered = stderrText.toLower();
    for (const QString &marker : dataTrackFailureMarkers()) {
        if (lowered.contains(marker)) {
            return true;
        }
    }
    return false;
}

QString FFmpegRunner::muxerName(OutputFormat format)
{
    // ffmpeg names its muxers like the formats' raw values, but for Matroska.
    return format == OutputFormat::mkv ? QStringLiteral("matroska") : OutputFormats::rawValue(format);
}

QString FFmpegRunner::containerName(OutputFormat format)
{
    switch (format) {
    case OutputFormat::mkv:
        return QStringLiteral("MKV");
    case OutputFormat::mp4:
        return QStringLiteral("MP4");
    case OutputFormat::mov:
        return QStringLiteral("MOV");
    case OutputFormat::webm:
        return QStringLiteral("WebM");
    case OutputFormat::mpegts:
        return QStringLiteral("MPEG-TS");
    }
    return {};
}

QStringList FFmpegRunner::buildArguments(const QUrl &input, const QUrl &output, OutputFormat format, bool dropDataStreams)
{
    QStringList arguments {
        QStringLiteral("-hide_banner"),
        QStringLiteral("-loglevel"),
        QStringLiteral("error"),
        QStringLiteral("-nostats"),
        QStringLiteral("-progress"),
        QStringLiteral("pipe:1"),
        QStringLiteral("-i"),
        input.toLocalFile(),
        QStringLiteral("-map"),
        QStringLiteral("0"),
    };
    if (dropDataStreams) {
        arguments << QStringLiteral("-map") << QStringLiteral("-0:d");
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

QCoro::Task<std::optional<FFmpegRunner::RunError>> FFmpegRunner::run(
    QUrl executable, QStringList arguments, std::optional<double> duration, ProgressHandler onProgress)
{
    std::unique_ptr<QProcess, DeleteLater> process(new QProcess);
    process->setProgram(executable.toLocalFile());
    process->setArguments(arguments);
    // ffmpeg reads keys from a terminal on stdin and changes its modes; it gets nothing to read.
    process->setStandardInputFile(QProcess::nullDevice());

    ProgressParser parser(duration);
    LineSplitter splitter;
    const auto deliver = [&](const QByteArray &line) {
        if (const auto progress = parser.feedLine(line); progress && onProgress) {
            onProgress(*progress);
        }
    };
    const auto drainOutput = [&] {
        const QByteArray bytes = process->readAllStandardOutput();
        for (const QByteArray &line : splitter.push(bytes)) {
            deliver(line);
        }
    };

    process->start(QIODevice::ReadOnly);
    m_running.append(process.get());
    const auto unregister = qScopeGuard([this, child = process.get()] { m_running.removeAll(child); });
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
    if (const auto tail = splitter.finish()) {
        deliver(*tail);
    }

    // A child ended by a signal reports that signal's number as its status.
    const int status = process->exitCode();
    if (process->exitStatus() == QProcess::NormalExit && status == 0) {
        co_return std::nullopt;
    }
    co_return RunError::processFailed(status, decodeStrictUtf8(process->readAllStandardError()));
}

QCoro::Task<std::optional<double>> FFmpegRunner::probeDuration(QUrl input)
{
    const auto info = co_await MediaProbe::probe(input);
    co_return info ? info->duration : std::nullopt;
}

namespace
{
// The video, audio and subtitle streams of `input` that `output` does not have, as
// "kind (codec)". A stream that came back as data is missing; data streams are never counted.
QStringList streamsLost(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    QStringList lost;
    for (const auto kind : { MediaProbe::StreamKind::video, MediaProbe::StreamKind::audio, MediaProbe::StreamKind::subtitle }) {
        QStringList before;
        QStringList after;
        for (const auto &stream : input.streams) {
            if (stream.kind == kind) {
                before.append(stream.codecName);
            }
        }
        for (const auto &stream : output.streams) {
            if (stream.kind == kind) {
                after.append(stream.codecName);
            }
        }
        qsizetype missing = before.size() - after.size();
        if (missing <= 0) {
            continue;
        }
        // Name the streams whose codec has no counterpart left; when codecs changed names on the
        // way, the last ones of the kind stand in.
        QStringList unmatched = before;
        for (const QString &codec : after) {
            unmatched.removeOne(codec);
        }
        if (unmatched.size() > missing) {
            unmatched = unmatched.last(missing);
        }
        for (const QString &codec : unmatched) {
            lost.append(QStringLiteral("%1 (%2)").arg(MediaProbe::kindName(kind), codec));
        }
    }
    return lost;
}
}

namespace
{
bool readAsContainer(const MediaProbe::Info &info, OutputFormat format)
{
    const QStringList demuxers = info.formatName.split(u',');
    switch (format) {
    case OutputFormat::mkv:
    case OutputFormat::webm:
        return demuxers.contains(QStringLiteral("matroska")) || demuxers.contains(QStringLiteral("webm"));
    case OutputFormat::mp4:
    case OutputFormat::mov:
        return demuxers.contains(QStringLiteral("mov")) || demuxers.contains(QStringLiteral("mp4"));
    case OutputFormat::mpegts:
        return demuxers.contains(QStringLiteral("mpegts"));
    }
    return false;
}
}

QCoro::Task<FFmpegRunner::RemuxOutcome> FFmpegRunner::remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress)
{
    const auto executable = locateFFmpeg();
    if (!executable) {
        co_return RemuxOutcome { false, RunError::ffmpegNotFound() };
    }
    // A name that is not valid UTF-8 cannot pass through a QString: its bytes decode to U+FFFD
    // and the path would name another file, or none. Refuse it rather than guess.
    if (QFile::encodeName(input.toLocalFile()) != QByteArray::fromPercentEncoding(input.path(QUrl::FullyEncoded).toLatin1())) {
        co_return RemuxOutcome { false,
            RunError::platformError(QStringLiteral("This file's name is not valid UTF-8, so it can't be handed to ffmpeg. Rename it and add it again.")) };
    }
    // Only a file this remux brings into being may be removed by stopRunning().
    const QString outputPath = output.toLocalFile();
    const bool outputIsNew = !QFileInfo::exists(outputPath) && !QFileInfo(outputPath).isSymLink();
    if (outputIsNew) {
        m_partialOutputs.append(outputPath);
    }
    const auto finished = qScopeGuard([this, outputPath, outputIsNew] {
        if (outputIsNew) {
            m_partialOutputs.removeOne(outputPath);
        }
    });
    const auto inputInfo = co_await MediaProbe::probe(input);
    // ffmpeg replaces whatever is at the output path; a file another program put there while the
    // probe ran is the user's, so the run stops here instead.
    if (outputIsNew && (QFileInfo::exists(outputPath) || QFileInfo(outputPath).isSymLink())) {
        co_return RemuxOutcome { false,
            RunError::platformError(
                QStringLiteral("%1 appeared while the conversion was starting and was left untouched. Convert the file again.").arg(outputPath)) };
    }
    const auto duration = inputInfo ? inputInfo->duration : std::nullopt;

    bool droppedDataTracks = false;
    auto error = co_await run(*executable, buildArguments(input, output, format, false), duration, onProgress);
    if (error && error->errorCase() == RunError::Case::processFailed && isDataTrackFailure(error->stderrText())) {
        droppedDataTracks = true;
        error = co_await run(*executable, buildArguments(input, output, format, true), duration, onProgress);
    }
    if (error) {
        co_return RemuxOutcome { false, error };
    }

    // ffmpeg exits 0 even when it wrote a stream as private data no player reads back.
    if (inputInfo) {
        const auto outputInfo = co_await MediaProbe::probe(output, MediaProbe::Depth::header);
        // Only a file read back as the container that was written tells what it carries; one
        // that libavformat takes for something else was not understood, so there is no verdict.
        if (outputInfo && readAsContainer(*outputInfo, format)) {
            if (const QStringList lost = streamsLost(*inputInfo, *outputInfo); !lost.isEmpty()) {
                co_return RemuxOutcome { false, RunError::streamsNotCarried(lost, containerName(format)) };
            }
        }
    }
    co_return RemuxOutcome { droppedDataTracks, std::nullopt };
}

void FFmpegRunner::stopRunning(std::chrono::milliseconds grace)
{
    const QList<QPointer<QProcess>> running = m_running;
    for (const QPointer<QProcess> &process : running) {
        if (process && process->state() != QProcess::NotRunning) {
            process->terminate();
        }
    }
    for (const QPointer<QProcess> &process : running) {
        if (process && process->state() != QProcess::NotRunning && !process->waitForFinished(int(grace.count()))) {
            process->kill();
            process->waitForFinished(int(grace.count()));
        }
    }
    for (const QString &path : std::as_const(m_partialOutputs)) {
        QFile::remove(path);
    }
    m_partialOutputs.clear();
}

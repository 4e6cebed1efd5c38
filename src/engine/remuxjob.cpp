#include "engine/remuxjob.h"

#include "engine/diskcall.h"
#include "engine/ffmpegarguments.h"
#include "engine/ffmpegprocess.h"
#include "engine/joinsource.h"
#include "engine/outputnaming.h"
#include "engine/remuxchecks.h"
#include "engine/sideinputreader.h"
#include "engine/unreadabletracks.h"

#include <QCoreApplication>
#include <QCoroTimer>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QTemporaryDir>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent>
#include <coroutine>
#include <cstring>

namespace
{
using namespace RemuxJobSteps;

// Undecodable error output is shown as no text rather than as replacement characters.
QString decodeStrictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    return decoder.hasError() ? QString() : text;
}

QString errnoText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}
}

RemuxJob::RemuxJob(Settings settings, QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice)
    : m_settings(std::move(settings))
    , m_input(std::move(input))
    , m_output(std::move(output))
    , m_format(format)
    , m_onProgress(std::move(onProgress))
    , m_choice(std::move(choice))
{ }

RemuxJob::~RemuxJob()
{
    stop();
}

QThreadPool *RemuxJob::workers()
{
    return DiskCall::workers();
}

void RemuxJob::wakeSoon()
{
    QMetaObject::invokeMethod(this, &RemuxJob::woken, Qt::QueuedConnection);
}

void RemuxJob::stop()
{
    if (m_stopped) {
        return;
    }
    m_stopped = true;
    if (m_probe) {
        m_probe->stop = true;
    }
    const auto temporary = std::exchange(m_temporary, std::nullopt);
    if (FFmpegProcess *process = std::exchange(m_process, nullptr)) {
        disconnect(process, nullptr, this, nullptr);
        // Killed at once: its output is thrown away anyway. A process stuck in the kernel is
        // reaped whenever it dies, even long after Stop was reported; a temporary it opened anew
        // meanwhile is unlocked, so a sweep of its folder removes it then.
        const QString folder = temporary ? QFileInfo(temporary->path).path() : QString();
        process->release([folder] {
            if (!folder.isEmpty()) {
                (void)DiskCall::run(folder, [folder] { return OutputCommit::sweep(folder); });
            }
        });
    }
    if (temporary) {
        m_cleanUp = DiskCall::run(temporary->path, [temporary = *temporary] { OutputCommit::discard(temporary); });
    }
    wakeSoon();
}

void RemuxJob::waitForCleanUp(std::chrono::milliseconds limit) const
{
    for (const QDeadlineTimer deadline(limit); !m_cleanUp.isFinished() && !deadline.hasExpired();) {
        QThread::msleep(2);
    }
}

QCoro::Task<RemuxOutcome> RemuxJob::run()
{
    auto remuxing = remux();
    Outcome outcome = co_await remuxing;
    // A file that reached its saving step is saved or not whatever Stop says: its outcome is
    // the truth about the disk.
    if (!m_stopped || m_saving) {
        co_return outcome;
    }
    // The temporary's removal is given half a second, so a stopped file is gone when Stop is
    // reported; a dead mount does not hold Stop back longer than that.
    for (int waited = 0; !m_cleanUp.isFinished() && waited < 500; waited += 5) {
        auto pausing = QCoro::sleepFor(std::chrono::milliseconds(5));
        co_await pausing;
    }
    co_return failed(RunError::stopped());
}

QCoro::Task<std::optional<MediaProbe::Info>> RemuxJob::probe(QUrl file, MediaProbe::Depth depth, bool *stalled)
{
    auto control = std::make_shared<MediaProbe::Control>();
    m_probe = control;
    // Every awaited task is a named variable: GCC 12 may destroy the temporaries of a co_await
    // expression twice.
    auto probing = MediaProbe::probe(file, depth, control, m_settings.stallLimit, depth == MediaProbe::Depth::full ? m_settings.probeHook : nullptr);
    auto info = co_await probing;
    m_probe.reset();
    if (stalled) {
        *stalled = control->stop && !m_stopped;
    }
    co_return info;
}

QCoro::Task<std::optional<RunError>> RemuxJob::runFFmpeg(QStringList arguments, std::optional<double> duration)
{
    auto *process = new FFmpegProcess(m_settings.executable.toLocalFile(), arguments, m_settings.stallLimit);
    m_process = process;
    connect(process, &FFmpegProcess::changed, this, &RemuxJob::woken, Qt::QueuedConnection);

    ProgressStream stream(duration);
    const auto deliver = [this](const QList<ProgressParser::Progress> &records) {
        for (const auto &progress : records) {
            if (m_onProgress && !m_stopped) {
                m_onProgress(progress);
            }
        }
    };
    process->start();
    // From here stop() may take the process over at any wake; it is not touched after that.
    while (!m_stopped) {
        deliver(stream.push(process->readOutput()));
        if (m_stopped || process->state() != FFmpegProcess::State::running) {
            break;
        }
        co_await RemuxJobSteps::NextWake<RemuxJob>(this);
    }
    if (m_stopped) {
        co_return std::nullopt;
    }
    m_process = nullptr;
    disconnect(process, nullptr, this, nullptr);
    const FFmpegProcess::State state = process->state();
    const int status = process->exitCode();
    const QString errorText = decodeStrictUtf8(process->errorOutput());
    const QString platformText = process->errorString();
    if (state == FFmpegProcess::State::exited || state == FFmpegProcess::State::signalled) {
        deliver(stream.push(process->readOutput()));
        deliver(stream.finish());
    }
    process->release();
    switch (state) {
    case FFmpegProcess::State::stalled:
        co_return RunError::platformError(stoppedAnswering(m_input.fileName()));
    case FFmpegProcess::State::failedToStart:
    case FFmpegProcess::State::readError:
        co_return RunError::platformError(platformText);
    case FFmpegProcess::State::signalled:
        // A negative status names the signal that ended it.
        co_return RunError::processFailed(-status, errorText);
    case FFmpegProcess::State::exited:
    case FFmpegProcess::State::running:
        break;
    }
    if (status == 0) {
        co_return std::nullopt;
    }
    co_return RunError::processFailed(status, errorText);
}

QCoro::Task<RemuxOutcome> RemuxJob::remux()
{
    Inputs in;
    auto looking = prepareInputs(in);
    if (auto ended = co_await looking) {
        co_return std::move(*ended);
    }
    const std::optional<MediaProbe::Info> &inputInfo = in.info;
    std::optional<TrackPlan> &plan = in.plan;
    std::optional<QTemporaryDir> &scratch = in.scratch;

    const QString outputPath = m_output.toLocalFile();
    const QString folder = QFileInfo(outputPath).path();
    QFuture<OutputCommit::Prepared> preparing
        = DiskCall::run(folder, [folder, permissions = in.permissions] { return OutputCommit::prepare(folder, permissions); });
    bool folderStuck = false;
    auto waitingForTemporary = finished(preparing, &folderStuck);
    const auto prepared = co_await waitingForTemporary;
    if (!prepared) {
        // Stopped or given up meanwhile: what is being made goes once it is there.
        preparing.then(DiskCall::threadOf(folder), [](const OutputCommit::Prepared &made) {
            if (made.temporary) {
                OutputCommit::discard(*made.temporary);
            }
        });
        co_return folderStuck ? failed(stoppedAnswering(m_input.fileName())) : Outcome {};
    }
    if (!prepared->temporary) {
        co_return failed(QCoreApplication::translate("RemuxJob", "Can't write into %1: %2.").arg(folder, errnoText(prepared->error)));
    }
    m_temporary = prepared->temporary;
    const QUrl temporaryUrl = QUrl::fromLocalFile(m_temporary->path);
    const auto discardTemporary = [this, folder]() -> QCoro::Task<> {
        if (const auto temporary = std::exchange(m_temporary, std::nullopt)) {
            // A removal that doesn't answer is left to finish by itself: the file has failed anyway.
            bool stuck = false;
            auto removing = finished(DiskCall::run(folder,
                                         [temporary = *temporary] {
                                             OutputCommit::discard(temporary);
                                             return true;
                                         }),
                &stuck);
            co_await removing;
        }
    };

    const auto duration = inputInfo ? inputInfo->duration : std::nullopt;
    // Cover art for MKV is copied out first; a picture that won't come out is left out, and the
    // read-back says so.
    for (qsizetype i = 0; plan && i < plan->covers.size(); ++i) {
        TrackPlan::Cover &cover = plan->covers[i];
        if (!scratch) {
            scratch.emplace(QDir::temp().filePath(QStringLiteral("kestrune-XXXXXX")));
        }
        const QString path = scratch->filePath(cover.fileName);
        auto extracting = runFFmpeg(FFmpegArguments::cover(m_input, cover, path), std::nullopt);
        const auto refused = co_await extracting;
        if (m_stopped) {
            co_return Outcome {};
        }
        cover.path = scratch->isValid() && !refused && QFileInfo(path).size() > 0 ? path : QString();
    }
    RemuxAttempt attempt;
    bool droppedDataTracks = plan && plan->dropsDataTracks;
    QStringList warnings;
    std::optional<RunError> failure;
    for (int attempts = 1;; ++attempts) {
        QStringList arguments = FFmpegArguments::build(m_input, temporaryUrl, m_format, attempt, plan);
        auto running = runFFmpeg(m_join ? m_join->arguments(arguments, m_input.toLocalFile()) : arguments, duration);
        failure = co_await running;
        if (m_stopped) {
            co_return Outcome {};
        }
        if (!failure || failure->errorCase() != RunError::Case::processFailed) {
            break;
        }
        const auto next = RetryPolicy::next(failure->stderrText(), inputInfo, attempt, attempts);
        if (!next) {
            break;
        }
        attempt = next->attempt;
        droppedDataTracks = droppedDataTracks || next->dropsDataTracks;
        if (!next->warning.isEmpty()) {
            warnings << next->warning;
        }
    }
    if (failure) {
        auto removing = discardTemporary();
        co_await removing;
        co_return failed(*failure);
    }

    QStringList notes;
    auto judging = judge(in, temporaryUrl, attempt, notes, warnings);
    if (auto ended = co_await judging) {
        if (!m_stopped) {
            auto removing = discardTemporary();
            co_await removing;
        }
        co_return std::move(*ended);
    }

    // The name asked for, or, when something took it meanwhile (or it is too long), the next
    // free one that fits. From here the commit owns the temporary: Stop no longer removes a
    // finished, checked file.
    const QString base = OutputNaming::splitExtension(m_input.fileName()).base;
    const QString extension = OutputNaming::splitExtension(QFileInfo(outputPath).fileName()).extension;
    m_saving = true;
    if (m_onProgress) {
        m_onProgress(ProgressParser::Progress { std::nullopt, std::nullopt, true });
    }
    // The times are set before the move, so the real name never carries the wrong date.
    // No deadline: a flush to a slow stick may take minutes, and a commit given up would still
    // put the file under its name later.
    auto committing = finished(DiskCall::run(folder,
        [temporary = *std::exchange(m_temporary, std::nullopt), outputPath, base, extension,
            source = m_settings.keepDates ? m_input.toLocalFile() : QString()] {
            if (!source.isEmpty()) {
                OutputCommit::copyTimes(temporary, source);
            }
            return OutputCommit::commit(temporary, outputPath, base, extension);
        }));
    const auto committed = co_await committing;
    if (!committed) {
        co_return Outcome {};
    }
    if (committed->error != 0) {
        co_return failed(QCoreApplication::translate("RemuxJob", "The new file %1 couldn't be saved: %2.")
                             .arg(QFileInfo(committed->path).fileName(), errnoText(committed->error)));
    }
    co_return Outcome { droppedDataTracks, std::nullopt, QUrl::fromLocalFile(committed->path), notes, warnings };
}

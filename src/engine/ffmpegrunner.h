#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"
#include "engine/progressparser.h"
#include "engine/remuxoutcome.h"
#include "engine/retrypolicy.h"
#include "engine/trackplan.h"

#include <QCoroTask>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class RemuxJob;

// Writes one input file into a new file in another container without re-encoding, by running
// the ffmpeg program (never linked) with stream copy. Each remux is a RemuxJob of its own: ffmpeg
// writes into a short hidden temporary in the destination folder, and only a finished, checked
// file is moved to a real name, one that is free. The runner locates ffmpeg afresh for every
// remux (an executable installed while the app runs is noticed) and keeps the jobs in flight,
// so that stopRunning() and the destructor can end them.
class FFmpegRunner
{
public:
    using Progress = ProgressParser::Progress;

    using RunError = ::RunError;
    using RemuxOutcome = ::RemuxOutcome;
    using ProgressHandler = ::ProgressHandler;

    // Where ffmpeg is looked for: a file named exactly "ffmpeg" in the resource folder first,
    // then each fixed path in order. PATH is never consulted.
    struct Locations {
        QString resourceDirectory;
        QStringList ffmpegSearchPaths;
        // The folder of the running executable, then /usr/local/bin/ffmpeg, then /usr/bin/ffmpeg.
        static Locations platformDefault();
    };

    // What the argument vector leaves out or adds on an attempt.
    using Retry = RemuxAttempt;

    explicit FFmpegRunner(Locations locations = Locations::platformDefault());
    virtual ~FFmpegRunner();
    FFmpegRunner(const FFmpegRunner &) = delete;
    FFmpegRunner &operator=(const FFmpegRunner &) = delete;

    // The texts that mark a failure to carry a stream into the target container, in test order.
    static const QStringList &dataTrackFailureMarkers();
    // The texts by which ffmpeg says packets came without timestamps.
    static const QStringList &missingTimestampMarkers();

    // The executable to run (a file URL), or none. Searches afresh on every call.
    [[nodiscard]] virtual std::optional<QUrl> locateFFmpeg() const;
    [[nodiscard]] bool ffmpegAvailable() const;

    // Runs ffmpeg into a temporary, retries as RetryPolicy decides (three attempts at most),
    // checks what arrived and moves the file to a free name. Must be called on the main thread;
    // onProgress is always called there, in block order. `choice` says which tracks go in (by
    // default every one, as the source has them).
    virtual QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice = {});
    // Joins `parts`, in order, into one new file at `output` (a free name): checked before a byte
    // is written, progress over the whole join, stopped by stopRunning() like a remux.
    virtual QCoro::Task<RemuxOutcome> join(QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice = {});

    // With a plan, each of its tracks is named, with its codec, flags, language and title; the
    // retry leaves out of it what it must. Without one (the source could not be read) every
    // stream is copied as it is.
    [[nodiscard]] static QStringList buildArguments(
        const QUrl &input, const QUrl &output, OutputFormat format, const Retry &retry, const std::optional<TrackPlan> &plan = std::nullopt);
    // The short first step that copies a cover picture out into a file of its own, at `path`.
    [[nodiscard]] static QStringList coverArguments(const QUrl &input, const TrackPlan::Cover &cover, const QString &path);
    [[nodiscard]] static QString muxerName(OutputFormat format);
    [[nodiscard]] static bool isDataTrackFailure(const QString &stderrText);

    // Ends every remux in flight without blocking: interrupts a probe at once, kills ffmpeg at
    // once (the grace is no longer waited for: the output is thrown away anyway), and removes
    // the temporaries. Those remuxes then return
    // RunError::stopped() at once, even while an ffmpeg stuck in the kernel can't die yet (it is
    // reaped when it does). Never touches a file under a real name.
    virtual void stopRunning(std::chrono::milliseconds grace = std::chrono::seconds(2));
    // Whether a remux of this runner has not returned yet (a stopped one still removing its
    // temporary, or saving its file, included).
    [[nodiscard]] bool hasRunsInFlight() const;

    // How long a probe of the input may go without any sign of reading before the file fails
    // (30 s unless set: long enough for a drive waking from standby); `hook` runs on the probe's
    // thread first (tests use it to stand in for a stalled source).
    void setProbeWatch(std::chrono::milliseconds stallLimit, std::function<void(MediaProbe::Control &)> hook = {});

    // Whether each new file gets its source's access and modification times (on unless set).
    // A remux takes the choice of the moment it starts.
    void setKeepDates(bool keep);
    [[nodiscard]] bool keepsDates() const;

    struct Shared; // what the coroutines of this runner use; it outlives the runner if need be

private:
    Locations m_locations;
    std::shared_ptr<Shared> m_shared;
};

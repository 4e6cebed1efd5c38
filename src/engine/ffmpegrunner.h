#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"
#include "engine/progressparser.h"
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

    // Why a remux failed. Every case carries its own user-facing description.
    class RunError
    {
    public:
        enum class Case {
            processFailed, // ffmpeg exited with a nonzero status, or was killed by a signal (its number, negated)
            ffmpegNotFound, // no executable in the resource folder or the fixed paths
            streamsNotCarried, // ffmpeg exited 0 but the output lost video, audio or subtitle streams
            platformError, // ffmpeg could not be launched, its output could not be read, or the input is unfit
            stopped, // stopRunning() ended the run; nothing was written under a real name
        };

        static RunError processFailed(int exitCode, const QString &stderrText);
        static RunError ffmpegNotFound();
        // `lostStreams` names each stream the container could not carry, e.g. "subtitle (subrip)".
        static RunError streamsNotCarried(const QStringList &lostStreams, OutputFormat format);
        // A launch or read failure passes the platform's own wording through unchanged.
        static RunError platformError(const QString &description);
        static RunError stopped();

        [[nodiscard]] Case errorCase() const;
        [[nodiscard]] int exitCode() const; // processFailed only
        [[nodiscard]] QString stderrText() const; // processFailed only, exactly as captured
        [[nodiscard]] QStringList lostStreams() const; // streamsNotCarried only
        [[nodiscard]] std::optional<OutputFormat> format() const; // streamsNotCarried only
        // Never empty; shown to the user as a failed file's reason.
        [[nodiscard]] QString errorDescription() const;

        bool operator==(const RunError &) const = default;

    private:
        RunError(Case c, int exitCode, QString text, QStringList lost, std::optional<OutputFormat> format = std::nullopt);
        Case m_case;
        int m_exitCode = 0;
        QString m_text;
        QStringList m_lost;
        std::optional<OutputFormat> m_format;
    };

    // The result of remux(): `error` set on failure; otherwise `droppedDataTracks` tells whether
    // the file was written without its data streams, `output` is the name the file was finally
    // written under (empty: the name asked for), `notes` are sentences for the user about
    // anything else that was left out (attachments, cover art, chapters), and `warnings` about
    // a file that arrived whole but not as its source was (new timestamps, a damaged source).
    struct RemuxOutcome {
        bool droppedDataTracks = false;
        std::optional<RunError> error;
        QUrl output;
        QStringList notes;
        QStringList warnings;
        [[nodiscard]] bool succeeded() const { return !error.has_value(); }
    };

    using ProgressHandler = std::function<void(const Progress &)>;

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
    // onProgress is always called there, in block order.
    virtual QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress);

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

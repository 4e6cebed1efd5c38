#pragma once

#include "engine/outputformat.h"

#include <QCoroTask>
#include <QList>
#include <QPointer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <functional>
#include <optional>

// Writes one input file into a new file in another container without re-encoding, by running
// the ffmpeg program (never linked) with stream copy. Keeps no state between calls: each
// remux() locates ffmpeg afresh, so an executable installed while the app runs is noticed.
class FFmpegRunner
{
public:
    // One report block of ffmpeg's progress output.
    struct Progress {
        std::optional<double> fraction; // 0.0...1.0; absent when the duration or output time is unknown
        std::optional<double> speed; // multiple of real time; absent when unreported or unreadable
        bool operator==(const Progress &) const = default;
    };

    // Why a remux failed. Every case carries its own user-facing description.
    class RunError
    {
    public:
        enum class Case {
            processFailed, // ffmpeg exited with a nonzero status (or was killed by a signal)
            ffmpegNotFound, // no executable in the resource folder or the fixed paths
            streamsNotCarried, // ffmpeg exited 0 but the output lost video, audio or subtitle streams
            platformError, // ffmpeg could not be launched, or its output could not be read
            stopped, // stopRunning() ended the run; nothing was written under a real name
        };

        static RunError processFailed(int exitCode, const QString &stderrText);
        static RunError ffmpegNotFound();
        // `lostStreams` names each stream the container could not carry, e.g. "subtitle (subrip)".
        static RunError streamsNotCarried(const QStringList &lostStreams, const QString &containerName);
        // A launch or read failure passes the platform's own wording through unchanged.
        static RunError platformError(const QString &description);
        static RunError stopped();

        [[nodiscard]] Case errorCase() const;
        [[nodiscard]] int exitCode() const; // processFailed only
        [[nodiscard]] QString stderrText() const; // processFailed only, exactly as captured
        [[nodiscard]] QStringList lostStreams() const; // streamsNotCarried only
        // Never empty; shown to the user as a failed file's reason.
        [[nodiscard]] QString errorDescription() const;

        bool operator==(const RunError &) const = default;

    private:
        RunError(Case c, int exitCode, QString text, QStringList lost);
        Case m_case;
        int m_exitCode = 0;
        QString m_text;
        QStringList m_lost;
    };

    // The result of remux(): `error` set on failure; otherwise `droppedDataTracks` tells whether
    // the file was only written on the second attempt, without its data streams, `output` is the
    // name the file was finally written under (empty: the name asked for), and `notes` are
    // sentences for the user about anything else that did not arrive as it was.
    struct RemuxOutcome {
        bool droppedDataTracks = false;
        std::optional<RunError> error;
        QUrl output;
        QStringList notes;
        [[nodiscard]] bool succeeded() const { return !error.has_value(); }
    };

    using ProgressHandler = std::function<void(const Progress &)>;

    // Where ffmpeg is looked for: a file named exactly "ffmpeg" in the resource folder first,
    // then each fixed path in order. PATH is never consulted.
    struct Locations {
        QString resourceDirectory;
        QStringList searchPaths;
        // The folder of the running executable, then /usr/local/bin/ffmpeg, then /usr/bin/ffmpeg.
        static Locations platformDefault();
    };

    explicit FFmpegRunner(Locations locations = Locations::platformDefault());
    virtual ~FFmpegRunner();
    FFmpegRunner(const FFmpegRunner &) = delete;
    FFmpegRunner &operator=(const FFmpegRunner &) = delete;

    // The texts that mark a failure to carry a stream into the target container, in test order.
    static const QStringList &dataTrackFailureMarkers();

    // The executable to run (a file URL), or none. Searches afresh on every call.
    [[nodiscard]] virtual std::optional<QUrl> locateFFmpeg() const;
    [[nodiscard]] bool ffmpegAvailable() const;

    // Runs ffmpeg once, and once more without data streams when the container refused them.
    // Must be called on the main thread; onProgress is always called there, in block order.
    virtual QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress);

    // One ffmpeg process: launches it, feeds its progress lines to the parser and decides the
    // outcome from its exit. Returns the error, or none on exit status 0.
    QCoro::Task<std::optional<RunError>> run(QUrl executable, QStringList arguments, std::optional<double> duration, ProgressHandler onProgress);

    [[nodiscard]] static QStringList buildArguments(const QUrl &input, const QUrl &output, OutputFormat format, bool dropDataStreams);
    [[nodiscard]] static QString muxerName(OutputFormat format);
    [[nodiscard]] static bool isDataTrackFailure(const QString &stderrText);

    // The input's duration in seconds, read in-process on a worker thread: positive and finite,
    // or none on any failure. Never blocks the calling thread.
    [[nodiscard]] static QCoro::Task<std::optional<double>> probeDuration(QUrl input);
    // The container's name as the user knows it, used in texts: "MKV", "MP4", "MOV", "WebM",
    // "MPEG-TS".
    [[nodiscard]] static QString containerName(OutputFormat format);

    // Ends every ffmpeg this runner started and has not seen exit (terminate, then kill after
    // `grace`), and removes the file each unfinished remux was writing when that name was free
    // before the remux began. For quitting in the middle of a batch: left alone, ffmpeg dies on
    // its closed progress pipe and leaves a truncated file under a plausible name. A file that
    // existed before a remux is never removed.
    virtual void stopRunning(std::chrono::milliseconds grace = std::chrono::seconds(2));

private:
    Locations m_locations;
    QList<QPointer<QProcess>> m_running;
    QStringList m_partialOutputs;
};

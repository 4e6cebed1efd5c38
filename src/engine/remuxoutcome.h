#pragma once

#include "engine/outputformat.h"
#include "engine/progressparser.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

// What one remux ends with, and what it reports on its way: the types the runner, its jobs and
// the queue share, apart from any of them.

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

using ProgressHandler = std::function<void(const ProgressParser::Progress &)>;

#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// What one ffmpeg attempt leaves out of the plain stream copy, or adds to it.
struct RemuxAttempt {
    bool leaveOut = false; // data streams (and attachments, when `leaveOutAttachments`)
    QList<int> leftOutIndexes; // streams no type specifier can name, such as cover art
    bool leaveOutAttachments = false; // with `leaveOut`: attachment streams too
    bool generateTimestamps = false;
    bool operator==(const RemuxAttempt &) const = default;
};

// Which attempt comes next: a pure decision from ffmpeg's error text and the source's streams,
// so it is tested without any process. Each known cause is tried once, keeping what earlier
// attempts decided. What is known before ffmpeg runs is the track plan's; these are for what only
// ffmpeg's refusal tells.
namespace RetryPolicy
{
constexpr int maxAttempts = 3;

// The texts that mark a failure to carry a stream into the target container, in test order.
[[nodiscard]] const QStringList &dataTrackFailureMarkers();
// The texts by which ffmpeg says packets came without timestamps.
[[nodiscard]] const QStringList &missingTimestampMarkers();
[[nodiscard]] bool isDataTrackFailure(const QString &errorText);

struct Next {
    RemuxAttempt attempt;
    bool dropsDataTracks = false; // the file goes without its data tracks, and the user is told
    QString warning; // a sentence owed to the user when this attempt succeeds; may be empty
    bool operator==(const Next &) const = default;
};

// After a failed attempt `last`, the `attemptsSoFar`-th: the next attempt, or none when the text
// names no cause still untried.
[[nodiscard]] std::optional<Next> next(const QString &errorText, const std::optional<MediaProbe::Info> &streams, const RemuxAttempt &last, int attemptsSoFar);
}

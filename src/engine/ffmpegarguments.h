#pragma once

#include "engine/outputformat.h"
#include "engine/retrypolicy.h"
#include "engine/trackplan.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

// ffmpeg's argument vectors, built in one place: from the plan of a file's tracks when there is
// one, and the plain stream copy when the source could not be read.
namespace FFmpegArguments
{
// ffmpeg's muxer for the format.
[[nodiscard]] QString muxerName(OutputFormat format);
// With a plan, each of its tracks is named, with its codec, flags, language and title; the
// retry leaves out of it what it must. Without one every stream is copied as it is.
[[nodiscard]] QStringList build(
    const QUrl &input, const QUrl &output, OutputFormat format, const RemuxAttempt &retry, const std::optional<TrackPlan> &plan = std::nullopt);
// The short first step that copies a cover picture out into a file of its own, at `path`.
[[nodiscard]] QStringList cover(const QUrl &input, const TrackPlan::Cover &cover, const QString &path);
}

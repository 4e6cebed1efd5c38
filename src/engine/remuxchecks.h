#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"

#include <QStringList>
#include <optional>

// What a finished run is judged by: the new file read back against its source.
namespace RemuxChecks
{
// Cover art: a still picture stored as a video stream, no part of the film.
[[nodiscard]] bool isPicture(const MediaProbe::Stream &stream);
[[nodiscard]] qsizetype countKind(const MediaProbe::Info &info, MediaProbe::StreamKind kind);

// The video, audio and subtitle streams of `input` that `output` does not have, as
// "kind (codec)". Cover art and data streams are never counted: they carry none of the film.
[[nodiscard]] QStringList streamsLost(const MediaProbe::Info &input, const MediaProbe::Info &output);

// Sentences about video, audio and subtitle tracks that arrived in `output` with another
// language (by meaning), title or flags than `expected` shows of them, track by track in order,
// then pictureAltered()'s. None when tracks are missing: streamsLost() speaks of those.
[[nodiscard]] QStringList tracksAltered(const MediaProbe::Info &expected, const MediaProbe::Info &output);

// Sentences about what a player shows of the video (rotation, Dolby Vision, colour, the sample
// entry) and the chapters, where `output` differs from what `expected` says will arrive.
[[nodiscard]] QStringList pictureAltered(const MediaProbe::Info &expected, const MediaProbe::Info &output);

// Whether libavformat read the file as the container that was written. Only then does it tell
// what the file carries; a file taken for something else was not understood.
[[nodiscard]] bool readAsContainer(const MediaProbe::Info &info, OutputFormat format);

// Cover art in any form: a picture stream, or an attachment named as Matroska names cover art
// ("cover.jpg", "small_cover.png", …), which some demuxers list as an attachment.
[[nodiscard]] bool isCoverArt(const MediaProbe::Stream &stream);

// Sentences for the user about cover art, attachments and chapters that did not arrive.
[[nodiscard]] QStringList notesOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output, OutputFormat format);
// Sentences about a file that arrived whole but not as its source declares: a file much
// shorter than its source says it lasts (a damaged source; a duration the library only guessed
// from the bit rate proves nothing), or cover art that arrived as an ordinary video track.
[[nodiscard]] QStringList warningsOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output);

// The reason a source can't be converted at all, when it holds no samples: its name is
// `sourceName`. None when it holds some.
[[nodiscard]] std::optional<QString> nothingToConvert(const QString &sourceName, const MediaProbe::Info &input);
// The reason a finished run's new file must not be kept, although ffmpeg exited 0: its source
// holds no samples, or the new file can't be read back (`output` none), or it holds no packets
// when its source has some. None when the file may be judged further. `input` none: the source
// could not be read, so only the new file is judged.
[[nodiscard]] std::optional<QString> failureOnArrival(
    const QString &sourceName, const std::optional<MediaProbe::Info> &input, const std::optional<MediaProbe::Info> &output);
}

#pragma once

#include "engine/mediaprobe.h"
#include "engine/outputformat.h"

#include <QStringList>

// What a finished run is judged by: the new file read back against its source.
namespace RemuxChecks
{
// Cover art: a still picture stored as a video stream, no part of the film.
[[nodiscard]] bool isPicture(const MediaProbe::Stream &stream);
[[nodiscard]] qsizetype countKind(const MediaProbe::Info &info, MediaProbe::StreamKind kind);

// The video, audio and subtitle streams of `input` that `output` does not have, as
// "kind (codec)". Cover art and data streams are never counted: they carry none of the film.
[[nodiscard]] QStringList streamsLost(const MediaProbe::Info &input, const MediaProbe::Info &output);

// Whether libavformat read the file as the container that was written. Only then does it tell
// what the file carries; a file taken for something else was not understood.
[[nodiscard]] bool readAsContainer(const MediaProbe::Info &info, OutputFormat format);

// Sentences for the user about cover art, attachments and chapters that did not arrive.
[[nodiscard]] QStringList notesOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output, OutputFormat format);
// Sentences about a file that arrived whole but not as its source declares: a file much
// shorter than its source says it lasts (a damaged source).
[[nodiscard]] QStringList warningsOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output);
}

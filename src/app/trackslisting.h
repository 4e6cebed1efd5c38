#pragma once

#include "engine/trackplan.h"

#include <QStringList>

// What --show-tracks prints of one file: its plan, a line per track, then the sentences.
namespace TracksListing
{
// One line per track, in columns: what becomes of it, which it is ("0:N" as ffmpeg numbers the
// source's streams, or the side file's name), its kind, language tag and codec; then its title,
// its marks, what a player shows of a video, and why it is left out or what changes on the way.
// The chapters, if any, follow the tracks.
//
//   movie.mkv: 1 of 2 audio · 1 of 1 subtitles · 1 side file
//     kept      0:0           video      -    hevc     rotated 90°, Dolby Vision 8.4, HDR (HLG)
//     left out  0:1           audio      ger  ac3     [default]  German: not in your languages
//     added     movie.en.srt  subtitles  en   subrip
//     12 chapters
[[nodiscard]] QStringList lines(const QString &name, const TrackPlan &plan);

// What a player shows of a video beyond its frames, in words: "rotated 90°, Dolby Vision 8.4,
// HDR (HLG)"; empty for a plain picture.
[[nodiscard]] QString pictureFacts(const MediaProbe::Picture &picture);
}

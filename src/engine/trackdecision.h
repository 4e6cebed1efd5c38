#pragma once

#include "engine/mediaprobe.h"

#include <QString>

// What became of one track of the source or of a side file, for the row's list and the
// terminal's --show-tracks: every track appears, kept or not, in the source's order and
// then the side files'.
struct TrackDecision {
    QString key; // "0:N" for the source's stream N; "side:<file name>" for a side file
    // As in Track; a side file left out has the number of its place among the side files given.
    int input = 0;
    int source = 0;
    MediaProbe::StreamKind kind = MediaProbe::StreamKind::other;
    QString codec; // as the source has it
    QString language; // the tag as the source has it (a side file: its ISO 639-1 code, if any)
    QString title;
    MediaProbe::Flags flags; // as the source has them
    bool attachedPicture = false;
    bool kept = false;
    // Left out: why, as the row shows it in grey ("German: not in your languages",
    // "Commentary", "PGS subtitles can't go into MP4"). Kept: what changes on the way
    // ("Converted to MP4's text format"), or empty.
    QString why;
    bool byException = false; // the user's tick for this file decided it, not the rule
    MediaProbe::Picture picture; // a video's, as the source has it
    bool operator==(const TrackDecision &) const = default;
};

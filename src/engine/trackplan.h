#pragma once

#include "engine/containertable.h"
#include "engine/mediaprobe.h"
#include "engine/outputformat.h"
#include "engine/retrypolicy.h"
#include "engine/trackdecision.h"
#include "engine/trackchoice.h"

#include <QList>
#include <QString>
#include <QStringList>

// What goes into the new file, decided before ffmpeg runs: which tracks, in what order, each
// copied or (text subtitles only) converted, with its language in the spelling the container
// keeps, its title where the container keeps it, and every flag stated, so ffmpeg never picks
// a default of its own. A pure function of the source's tracks, the container and the user's
// track choice, tested as a table; the retries stay for what it can't know.
//
// The choice's rule picks audio and subtitles (TrackSelection); the source's tracks come first,
// in its order, then the side files' in theirs. Keeping every track, a track the container
// refuses goes to ffmpeg and the file fails as it says; a rule that chooses, and any side file,
// leaves such a track out with a note instead.
struct TrackPlan {
    struct Track {
        int input = 0; // 0: the source; n: the side file sideInputs[n - 1]
        int source = 0; // the stream's number in its input, as "0:N" names it
        MediaProbe::StreamKind kind = MediaProbe::StreamKind::other;
        QString codec; // as written: the source's, or the conversion's
        QString encoder; // ffmpeg's encoder of a conversion ("mov_text", "srt", "webvtt"); empty: copied
        bool attachedPicture = false;
        QString language; // in the container's spelling; empty: none to write
        QString title;
        MediaProbe::Flags flags; // as stated to ffmpeg
        QStringList otherMarks; // ffmpeg's names of the source's other marks, stated as they were
        // What the new file read back must show: what the container records of the above.
        QString recordedLanguage;
        QString recordedTitle;
        MediaProbe::Flags recordedFlags;
        QString tag; // a video's sample entry, stated where the container's default is wrong ("hvc1")
        // A video's picture as the new file records it: the source's, less what the container can't hold.
        MediaProbe::Picture recordedPicture;
        bool operator==(const Track &) const = default;
    };

    // Cover art that goes into MKV as an attachment where players look for it, written first into
    // a file of its own (`path`, set by whoever extracts it; empty: not there, so not attached).
    struct Cover {
        int source = 0;
        QString fileName; // "cover.jpg" or "cover.png"
        QString mimeType;
        QString path;
        bool operator==(const Cover &) const = default;
    };

    // What became of one track (trackdecision.h), for the row's list and --show-tracks.
    using Decision = TrackDecision;

    QList<Track> tracks; // in the new file's order
    QList<Decision> decisions;
    QList<SideInput> sideInputs; // the side files ffmpeg reads, as inputs 1, 2, …
    // The rule skips this file ("Skipped: no English or Japanese audio"): nothing is written.
    std::optional<QString> skipped;
    // The file can't be written as the rule asks ("None of this file's audio can go into WebM."):
    // it fails with this reason before anything is made.
    std::optional<QString> failure;
    QList<Cover> covers; // after the tracks
    QStringList notes; // what was left out, for the user
    QStringList warnings; // what arrives changed, for the user
    bool dropsDataTracks = false; // data streams the container can't hold were left out
    OutputFormat format = OutputFormat::mkv;
    // ffmpeg's `-strict` level the file needs ("experimental" for TrueHD in MP4, "unofficial" for
    // a Dolby Vision configuration); empty: none.
    QString strict;
    QStringList chapterTitles; // the source's chapters, written where the container holds them

    // What a container records of a track, as ffmpeg 5.1 writes and reads it.
    using Records = ContainerTable::Records;
    [[nodiscard]] static Records records(OutputFormat format) { return ContainerTable::records(format); }

    [[nodiscard]] static TrackPlan make(const MediaProbe::Info &source, OutputFormat format, const TrackChoice &choice = {});
    // What the plan does, in one short line for the row: "2 of 4 audio · 1 of 3 subtitles · 1 side file".
    [[nodiscard]] QString summary() const;

    // The plan for a retry: without what `attempt` leaves out, the recorded flags settled anew.
    [[nodiscard]] TrackPlan leavingOut(const RemuxAttempt &attempt) const;

    // The new file as the plan expects to read it back.
    [[nodiscard]] MediaProbe::Info expected() const;

private:
    void settle();
    // Each video's sample entry, rotation, Dolby Vision and colour as the container keeps them,
    // and what players will show where it can't.
    void planPictures(const MediaProbe::Info &source);
};

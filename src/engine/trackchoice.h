#pragma once

#include "engine/mediaprobe.h"
#include "engine/sidefiles.h"
#include "engine/trackrule.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// A subtitle or audio file found beside a video, as read when the video was added: what its name
// says, and what its contents say (its codec, and for text its encoding).
struct SideInput {
    QString path; // absolute
    SideFiles::File file; // what the name says: kind, language, flags, title
    QString codec; // libavcodec's name ("subrip", "ass", "webvtt", "aac", …); empty: unreadable
    // Text subtitles only: the character set to hand ffmpeg (-sub_charenc); empty for UTF-8 and
    // for UTF-16 with a byte-order mark, which ffmpeg reads by itself.
    QByteArray encoding;
    bool encodingGuessed = false; // detection found nothing: read as Windows-1252, and a note says so
    bool operator==(const SideInput &) const = default;
};

// What is known of a file's tracks before it converts: the source's own, read once, and the
// files beside it.
struct FileTracks {
    std::optional<MediaProbe::Info> info; // none: the file couldn't be read as media
    QList<SideInput> sideFiles;

    // Reads both; blocking, so call it on a worker. `withSideFiles` false skips the folder.
    [[nodiscard]] static FileTracks read(const QString &path, bool withSideFiles = true);
};

// What the user chose for one file's tracks: the batch's rule, the side files found beside it
// (kept or not as the rule says), and the tracks ticked or unticked for this file alone.
struct TrackChoice {
    TrackRule rule;
    QList<SideInput> sideFiles;
    // By TrackPlan::Decision::key: true keeps the track, false leaves it out, whatever the rule says.
    QHash<QString, bool> exceptions;
    bool operator==(const TrackChoice &) const = default;
};

#pragma once

#include "engine/mediaprobe.h"
#include "engine/sidefiles.h"
#include "engine/trackrule.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// A subtitle or audio file found beside a video, as read when the video was added
// (SideInputReader): what its name says, and what its contents say (its codec, and for text its
// encoding).
struct SideInput {
    QString path; // absolute
    SideFiles::File file; // what the name says: kind, language, flags, title
    QString codec; // libavcodec's name ("subrip", "ass", "webvtt", "aac", …); empty: unreadable
    // Text subtitles only: the character set to hand ffmpeg (-sub_charenc); empty for UTF-8 and
    // for UTF-16 and UTF-32, which go to ffmpeg as a UTF-8 copy.
    QByteArray encoding;
    bool encodingGuessed = false; // detection found nothing: read as Windows-1252, and a note says so
    bool operator==(const SideInput &) const = default;
};

// What is known of a file's tracks before it converts: the source's own, read once, and the
// files beside it.
struct FileTracks {
    std::optional<MediaProbe::Info> info; // none: the file couldn't be read as media
    QList<SideInput> sideFiles;

    // Reads both; blocking, so call it on a worker. `withSideFiles` false skips the folder. The
    // side files are found by name whatever the source holds: `info` is none for a source that
    // can't be read as media, and the files beside it are listed all the same. A side file's
    // codec is empty when it can't be read or holds nothing of its kind.
    [[nodiscard]] static FileTracks read(const QString &path, bool withSideFiles = true);
    // The same, with the folders' listings taken from `listings` (listed afresh when null). Safe
    // to call from many threads at once with one `listings`: share one for all the files of one
    // add, so each folder is listed and matched once, and drop it when the add is done.
    [[nodiscard]] static FileTracks read(const QString &path, bool withSideFiles, std::shared_ptr<SideFiles::Listings> listings);
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

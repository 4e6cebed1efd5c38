#pragma once

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <memory>
#include <mutex>

// Subtitles and audio lying beside a video, found by name alone: "<base>.<ext>" or
// "<base>.<tag>[.<tag>…].<ext>", where the tags say the language, the flags and the title. A pure
// function of names, so the folder is listed once by the caller and the rule is tested as a table.
namespace SideFiles
{
enum class Kind { subtitle, audio };

struct File {
    QString name; // as listed in the folder
    Kind kind = Kind::subtitle;
    QLocale::Language language = QLocale::AnyLanguage; // AnyLanguage: the name gives none
    QString title; // the tags that are neither language nor flag, joined by dots
    bool forced = false;
    bool hearingImpaired = false;
    bool isDefault = false;
    bool commentary = false;
    bool operator==(const File &) const = default;
};

// ffmpeg's demuxer for a side file, by its extension alone ("srt" for "movie.en.srt",
// "matroska" for ".mka"), so its contents never choose their own reader; empty for none.
[[nodiscard]] QString demuxerOf(const QString &name);

// The files among `names` (a folder's listing) that belong to the video named `video`.
// `otherVideos` are the folder's other videos: a name two videos could claim ("movie.part2.en.srt"
// beside "movie.mkv" and "movie.part2.mkv") goes to the one with the longer base. Hidden names
// are skipped. In the order of `names`.
[[nodiscard]] QList<File> belongingTo(const QString &video, const QStringList &names, const QStringList &otherVideos);
// The same for every video of a folder at once, by video name, in one pass over its names:
// calling belongingTo() for each of many videos would read the whole listing once per video.
[[nodiscard]] QHash<QString, QList<File>> inFolder(const QStringList &videos, const QStringList &names);

// Folder listings and their matches, shared by the readings of one add: 10,000 videos of one
// folder list it and match its names once, not 10,000 times. Thread-safe: any number of workers
// may ask at once; the first to ask for a folder lists it while the others asking for that
// folder wait, and different folders are listed side by side. A folder is listed when first
// asked for and never again, so keep one for one add and let it go: a later add must see the
// folder as it is then.
class Listings
{
public:
    // The side files of the video at `path`, from its folder's listing (that folder alone, not
    // below it; hidden names skipped). The folder's videos, those with an accepted input
    // extension that is not a side file's, are the other videos the longer base is chosen among.
    // None when the folder can't be listed.
    [[nodiscard]] QList<File> of(const QString &path);

private:
    struct Folder;
    std::mutex m_mutex; // guards m_folders only; a listing runs outside it
    QHash<QString, std::shared_ptr<Folder>> m_folders; // by absolute path
};

// The language a tag names: an ISO 639-1 or 639-2 code, a BCP 47 tag ("pt-BR"), or a name in
// English or in the language itself ("Japanese", "français"), in any case. AnyLanguage for none.
[[nodiscard]] QLocale::Language languageOf(const QString &tag);
}

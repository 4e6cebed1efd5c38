#include "engine/sidefiles.h"

#include "engine/languagecodes.h"
#include "engine/outputformat.h"
#include "engine/outputnaming.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <optional>

namespace SideFiles
{
namespace
{
std::optional<Kind> kindOf(const QString &extension)
{
    static const QStringList subtitles { QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa"), QStringLiteral("vtt") };
    static const QStringList audio { QStringLiteral("mka"), QStringLiteral("m4a"), QStringLiteral("aac"), QStringLiteral("ac3"), QStringLiteral("eac3"),
        QStringLiteral("dts"), QStringLiteral("flac"), QStringLiteral("opus"), QStringLiteral("mp3") };
    const QString key = extension.toLower();
    if (subtitles.contains(key)) {
        return Kind::subtitle;
    }
    if (audio.contains(key)) {
        return Kind::audio;
    }
    return std::nullopt;
}

// Every language's name in English and in itself, folded to lower case.
const QHash<QString, QLocale::Language> &names()
{
    static const QHash<QString, QLocale::Language> table = [] {
        QHash<QString, QLocale::Language> result;
        for (int i = QLocale::AnyLanguage + 1; i <= QLocale::LastLanguage; ++i) {
            const auto language = static_cast<QLocale::Language>(i);
            if (language == QLocale::C) {
                continue;
            }
            result.insert(QLocale::languageToString(language).toLower(), language);
            const QLocale native(language);
            if (native.language() == language && !native.nativeLanguageName().isEmpty()) {
                result.insert(native.nativeLanguageName().toLower(), language);
            }
        }
        return result;
    }();
    return table;
}

File describe(const QString &name, Kind kind, const QStringList &tags)
{
    File file { name, kind };
    QStringList title;
    for (const QString &tag : tags) {
        const QString key = tag.toLower();
        // Flags first: "hi" is also Hindi's code, but on a subtitle beside a video it means hearing
        // impaired; audio for the hearing impaired has no such name, so there it is Hindi.
        if (key == QLatin1String("forced") || key == QLatin1String("foreign") || key == QLatin1String("signs")) {
            file.forced = true;
        } else if (key == QLatin1String("sdh") || key == QLatin1String("cc") || (key == QLatin1String("hi") && kind == Kind::subtitle)) {
            file.hearingImpaired = true;
        } else if (key == QLatin1String("default")) {
            file.isDefault = true;
        } else if (key == QLatin1String("commentary")) {
            file.commentary = true;
        } else if (const auto language = languageOf(tag); language != QLocale::AnyLanguage && file.language == QLocale::AnyLanguage) {
            file.language = language;
        } else if (!tag.isEmpty() && !LanguageCodes::meansNoLanguage(key)) {
            title.append(tag);
        }
    }
    file.title = title.join(QLatin1Char('.'));
    return file;
}
}

QString demuxerOf(const QString &name)
{
    static const QHash<QString, QString> demuxers { { QStringLiteral("srt"), QStringLiteral("srt") }, { QStringLiteral("ass"), QStringLiteral("ass") },
        { QStringLiteral("ssa"), QStringLiteral("ass") }, { QStringLiteral("vtt"), QStringLiteral("webvtt") },
        { QStringLiteral("mka"), QStringLiteral("matroska") }, { QStringLiteral("m4a"), QStringLiteral("mov") },
        { QStringLiteral("aac"), QStringLiteral("aac") }, { QStringLiteral("ac3"), QStringLiteral("ac3") }, { QStringLiteral("eac3"), QStringLiteral("eac3") },
        { QStringLiteral("dts"), QStringLiteral("dts") }, { QStringLiteral("flac"), QStringLiteral("flac") }, { QStringLiteral("opus"), QStringLiteral("ogg") },
        { QStringLiteral("mp3"), QStringLiteral("mp3") } };
    return demuxers.value(OutputNaming::splitExtension(name).extension.toLower());
}

QHash<QString, QList<File>> inFolder(const QStringList &videos, const QStringList &names)
{
    QHash<QString, QStringList> videosByBase;
    for (const QString &video : videos) {
        videosByBase[OutputNaming::splitExtension(video).base].append(video);
    }
    QHash<QString, QList<File>> found;
    for (const QString &name : names) {
        const auto [stem, extension] = OutputNaming::splitExtension(name);
        const auto kind = kindOf(extension);
        if (name.startsWith(QLatin1Char('.')) || !kind) {
            continue;
        }
        // The longest base wins: the whole stem, then the stem cut before each of its dots, from
        // the last. A blank never ends a base, so "movie 2.mkv" can't take "movie.en.srt".
        for (qsizetype end = stem.size(); end > 0; end = stem.lastIndexOf(QLatin1Char('.'), end - 1)) {
            const auto owners = videosByBase.constFind(stem.left(end));
            if (owners == videosByBase.cend()) {
                continue;
            }
            const File file = describe(name, *kind, stem.mid(end + 1).split(QLatin1Char('.')));
            for (const QString &video : *owners) {
                if (video != name) {
                    found[video].append(file);
                }
            }
            break;
        }
    }
    return found;
}

QList<File> belongingTo(const QString &video, const QStringList &names, const QStringList &otherVideos)
{
    return inFolder(QStringList { video } + otherVideos, names).value(video);
}

struct Listings::Folder {
    std::once_flag listing;
    std::once_flag matchingAudio;
    QStringList names; // sorted, so side files come in the same order on every reading
    QStringList videos;
    QStringList audio; // accepted inputs that are also side audio ("m4a")
    QHash<QString, QList<File>> found; // by video name, every video of the folder
    QHash<QString, QList<File>> foundForAudio; // by audio file name, each matched as a video
};

QList<File> Listings::of(const QString &path)
{
    const QFileInfo video(path);
    const QString place = video.absolutePath();
    std::shared_ptr<Folder> folder;
    {
        const std::lock_guard lock(m_mutex);
        auto &entry = m_folders[place];
        if (!entry) {
            entry = std::make_shared<Folder>();
        }
        folder = entry;
    }
    std::call_once(folder->listing, [&folder, &place] {
        // Files only, hidden ones left out by the filter already; no sorting by QDir, which would
        // look at each file again.
        folder->names = QDir(place).entryList(QDir::Files, QDir::Unsorted);
        std::sort(folder->names.begin(), folder->names.end());
        static const QStringList extensions = OutputFormats::acceptedInputExtensions();
        for (const QString &name : std::as_const(folder->names)) {
            const QString extension = OutputNaming::splitExtension(name).extension.toLower();
            // An audio file is a side file first ("movie.en.m4a" beside "movie.mkv"): as a video
            // of its own it would take "movie.en.srt" from the film.
            if (extensions.contains(extension)) {
                (kindOf(extension) ? folder->audio : folder->videos).append(name);
            }
        }
        folder->found = inFolder(folder->videos, folder->names);
        for (const QString &name : std::as_const(folder->videos)) {
            if (!folder->found.contains(name)) {
                folder->found.insert(name, {});
            }
        }
    });
    const QString name = video.fileName();
    if (const auto found = folder->found.constFind(name); found != folder->found.cend()) {
        return *found;
    }
    // An audio file added as a source: matched once for all of them, each as a video.
    if (kindOf(OutputNaming::splitExtension(name).extension) && std::binary_search(folder->names.cbegin(), folder->names.cend(), name)) {
        std::call_once(folder->matchingAudio, [&folder] { folder->foundForAudio = inFolder(folder->videos + folder->audio, folder->names); });
        return folder->foundForAudio.value(name);
    }
    // A name the listing lacks (the file came later): matched alone against the same listing.
    return belongingTo(name, folder->names, folder->videos);
}

QLocale::Language languageOf(const QString &tag)
{
    const QString key = tag.trimmed().toLower();
    if (key.isEmpty() || LanguageCodes::meansNoLanguage(key)) {
        return QLocale::AnyLanguage;
    }
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}([-_][a-z0-9]{1,8})*$"));
    if (code.match(key).hasMatch()) {
        if (const auto language = LanguageCodes::languageOf(key); language != QLocale::AnyLanguage) {
            return language;
        }
        // BCP 47 ("pt-br").
        const auto fromLocale = QLocale(key).language();
        if (fromLocale != QLocale::C) {
            return fromLocale;
        }
    }
    return names().value(key, QLocale::AnyLanguage);
}
}

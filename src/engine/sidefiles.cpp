#include "engine/sidefiles.h"

#include "engine/outputnaming.h"

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

// Whether `stem` (a name without its extension) is `base` itself or `base` followed by tags.
bool startsWithBase(const QString &stem, const QString &base)
{
    return stem == base || (stem.size() > base.size() && stem.startsWith(base) && stem.at(base.size()) == QLatin1Char('.'));
}

// Tags that say there is no particular language.
bool namesNoLanguage(const QString &key)
{
    static const QStringList none { QStringLiteral("und"), QStringLiteral("zxx"), QStringLiteral("mul"), QStringLiteral("mis") };
    return none.contains(key);
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
        // Flags first: "hi" is also Hindi's code, but beside a video it means hearing impaired.
        if (key == QLatin1String("forced") || key == QLatin1String("foreign") || key == QLatin1String("signs")) {
            file.forced = true;
        } else if (key == QLatin1String("sdh") || key == QLatin1String("cc") || key == QLatin1String("hi")) {
            file.hearingImpaired = true;
        } else if (key == QLatin1String("default")) {
            file.isDefault = true;
        } else if (key == QLatin1String("commentary")) {
            file.commentary = true;
        } else if (const auto language = languageOf(tag); language != QLocale::AnyLanguage && file.language == QLocale::AnyLanguage) {
            file.language = language;
        } else if (!tag.isEmpty() && !namesNoLanguage(key)) {
            title.append(tag);
        }
    }
    file.title = title.join(QLatin1Char('.'));
    return file;
}
}

QList<File> belongingTo(const QString &video, const QStringList &names, const QStringList &otherVideos)
{
    const QString base = OutputNaming::splitExtension(video).base;
    QStringList otherBases;
    for (const QString &other : otherVideos) {
        const QString otherBase = OutputNaming::splitExtension(other).base;
        if (otherBase.size() > base.size() && startsWithBase(otherBase, base)) {
            otherBases.append(otherBase);
        }
    }
    QList<File> files;
    for (const QString &name : names) {
        if (name.startsWith(QLatin1Char('.')) || name == video) {
            continue;
        }
        const auto [stem, extension] = OutputNaming::splitExtension(name);
        const auto kind = kindOf(extension);
        if (!kind || !startsWithBase(stem, base)) {
            continue;
        }
        const bool longerClaims = std::any_of(otherBases.cbegin(), otherBases.cend(), [&stem](const QString &other) { return startsWithBase(stem, other); });
        if (longerClaims) {
            continue;
        }
        files.append(describe(name, *kind, stem.mid(base.size() + 1).split(QLatin1Char('.'))));
    }
    return files;
}

QLocale::Language languageOf(const QString &tag)
{
    const QString key = tag.trimmed().toLower();
    if (key.isEmpty() || namesNoLanguage(key)) {
        return QLocale::AnyLanguage;
    }
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}([-_][a-z0-9]{1,8})*$"));
    if (code.match(key).hasMatch()) {
        const auto language = QLocale::codeToLanguage(key, QLocale::ISO639Part1 | QLocale::ISO639Part2);
        if (language != QLocale::AnyLanguage && language != QLocale::C) {
            return language;
        }
        // BCP 47, and the few codes only a locale knows ("no").
        const auto fromLocale = QLocale(key).language();
        if (fromLocale != QLocale::C) {
            return fromLocale;
        }
    }
    return names().value(key, QLocale::AnyLanguage);
}
}

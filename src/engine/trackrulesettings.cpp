// The rule as the window's editor reads and writes it, and as Kestrune.conf keeps it.
#include "engine/sidefiles.h"
#include "engine/trackrule.h"

#include <QSettings>

namespace
{
// The switch "Always keep the file's main audio" was once on by default and saved with every
// rule; under a key of its own, a rule saved then reads as the new default, off.
QString mainAudioKey()
{
    return QStringLiteral("alwaysKeepMainAudio");
}

const char *subtitlesValue(TrackRule::Subtitles subtitles)
{
    switch (subtitles) {
    case TrackRule::Subtitles::all:
        return "all";
    case TrackRule::Subtitles::these:
        return "these";
    case TrackRule::Subtitles::none:
        break;
    }
    return "none";
}

// Booleans only as QSettings writes them, or as QML gives them: anything else is damage, not "true".
bool readBool(const QVariantMap &map, const char *key, bool fallback)
{
    const QVariant stored = map.value(QLatin1String(key));
    if (stored.typeId() == QMetaType::Bool) {
        return stored.toBool();
    }
    const QString value = stored.toString();
    if (value == QLatin1String("true")) {
        return true;
    }
    return value == QLatin1String("false") ? false : fallback;
}

QList<QLocale::Language> readLanguages(const QVariantMap &map, const char *key)
{
    QList<QLocale::Language> languages;
    for (const QString &code : map.value(QLatin1String(key)).toStringList()) {
        const auto language = SideFiles::languageOf(code);
        if (language != QLocale::AnyLanguage && !languages.contains(language)) {
            languages.append(language);
        }
    }
    return languages;
}

QStringList codes(const QList<QLocale::Language> &languages)
{
    QStringList result;
    for (const QLocale::Language language : languages) {
        result.append(QLocale::languageToCode(language));
    }
    return result;
}
}

QVariantMap TrackRule::toMap() const
{
    return {
        { QStringLiteral("audioLanguages"), codes(audioLanguages) },
        { QStringLiteral("subtitles"), QLatin1String(subtitlesValue(subtitles)) },
        { QStringLiteral("subtitleLanguages"), codes(subtitleLanguages) },
        { QStringLiteral("keepNoLanguage"), keepNoLanguage },
        { QStringLiteral("keepMainAudio"), keepMainAudio },
        { QStringLiteral("leaveOutCommentary"), leaveOutCommentary },
        { QStringLiteral("leaveOutAudioDescription"), leaveOutAudioDescription },
        { QStringLiteral("keepForcedInAudioLanguages"), keepForcedInAudioLanguages },
        { QStringLiteral("addSideFiles"), addSideFiles },
        { QStringLiteral("defaults"), defaults == Defaults::followOrder ? QStringLiteral("followOrder") : QStringLiteral("asInSource") },
        { QStringLiteral("noAudioMatch"), noAudioMatch == NoAudioMatch::skip ? QStringLiteral("skip") : QStringLiteral("keepMain") },
    };
}

TrackRule TrackRule::fromMap(const QVariantMap &map)
{
    const TrackRule fallback;
    TrackRule rule;
    rule.audioLanguages = readLanguages(map, "audioLanguages");
    const QString subtitlesText = map.value(QStringLiteral("subtitles")).toString();
    rule.subtitleLanguages = readLanguages(map, "subtitleLanguages");
    for (const Subtitles choice : { Subtitles::all, Subtitles::these, Subtitles::none }) {
        if (subtitlesText == QLatin1String(subtitlesValue(choice))) {
            rule.subtitles = choice;
        }
    }
    if (rule.subtitles != Subtitles::these) {
        rule.subtitleLanguages.clear();
    } else if (rule.subtitleLanguages.isEmpty()) {
        rule.subtitles = Subtitles::none; // only these, and none picked: as the sentence and the plan read it
    }
    rule.keepNoLanguage = readBool(map, "keepNoLanguage", fallback.keepNoLanguage);
    rule.keepMainAudio = readBool(map, "keepMainAudio", fallback.keepMainAudio);
    rule.leaveOutCommentary = readBool(map, "leaveOutCommentary", fallback.leaveOutCommentary);
    rule.leaveOutAudioDescription = readBool(map, "leaveOutAudioDescription", fallback.leaveOutAudioDescription);
    rule.keepForcedInAudioLanguages = readBool(map, "keepForcedInAudioLanguages", fallback.keepForcedInAudioLanguages);
    rule.addSideFiles = readBool(map, "addSideFiles", fallback.addSideFiles);
    if (map.value(QStringLiteral("defaults")).toString() == QLatin1String("followOrder")) {
        rule.defaults = Defaults::followOrder;
    }
    if (map.value(QStringLiteral("noAudioMatch")).toString() == QLatin1String("skip")) {
        rule.noAudioMatch = NoAudioMatch::skip;
    }
    return rule;
}

void TrackRule::save(QSettings &settings) const
{
    settings.beginGroup(QStringLiteral("tracks"));
    const QVariantMap map = toMap();
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        settings.setValue(it.key() == QLatin1String("keepMainAudio") ? mainAudioKey() : it.key(), it.value());
    }
    settings.remove(QStringLiteral("keepMainAudio"));
    settings.endGroup();
}

TrackRule TrackRule::load(QSettings &settings)
{
    settings.beginGroup(QStringLiteral("tracks"));
    QVariantMap map;
    for (const QString &key : settings.childKeys()) {
        if (key != QLatin1String("keepMainAudio")) {
            map.insert(key == mainAudioKey() ? QStringLiteral("keepMainAudio") : key, settings.value(key));
        }
    }
    settings.endGroup();
    return fromMap(map);
}

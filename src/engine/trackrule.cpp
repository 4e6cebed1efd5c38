#include "engine/trackrule.h"

#include "engine/sidefiles.h"

#include <QCoreApplication>
#include <QSettings>
#include <algorithm>

namespace
{
// The switch "Always keep the file's main audio" was once on by default and saved with every
// rule; under a key of its own, a rule saved then reads as the new default, off.
QString mainAudioKey()
{
    return QStringLiteral("alwaysKeepMainAudio");
}

QString andPattern()
{
    //: Joins the last two items of a list: "French and Japanese".
    return QCoreApplication::translate("TrackRule", "%1 and %2");
}

// "A", "A and B", "A, B and C"; `last` joins the last two.
QString joined(const QStringList &items, const QString &last)
{
    if (items.isEmpty()) {
        return {};
    }
    QString text = items.first();
    for (qsizetype i = 1; i < items.size(); ++i) {
        //: Joins the items of a list but the last two: "English, French".
        text = (i + 1 == items.size() ? last : QCoreApplication::translate("TrackRule", "%1, %2")).arg(text, items.at(i));
    }
    return text;
}

QString names(const QList<QLocale::Language> &languages, const QString &last = andPattern())
{
    QStringList result;
    for (const QLocale::Language language : languages) {
        result.append(TrackRule::languageName(language));
    }
    return joined(result, last);
}

// What the rule keeps of audio and subtitles, or nothing when it keeps all of both.
QString keptAudioAndSubtitles(const TrackRule &rule)
{
    const bool allAudio = rule.audioLanguages.isEmpty();
    if (!allAudio && rule.subtitles == TrackRule::Subtitles::these && rule.subtitleLanguages == rule.audioLanguages) {
        return QCoreApplication::translate("TrackRule", "%1 audio and subtitles").arg(names(rule.audioLanguages));
    }
    const QString audio = allAudio ? QCoreApplication::translate("TrackRule", "all audio")
                                   : QCoreApplication::translate("TrackRule", "%1 audio").arg(names(rule.audioLanguages));
    switch (rule.subtitles) {
    case TrackRule::Subtitles::all:
        return allAudio ? QString() : QCoreApplication::translate("TrackRule", "%1, %2").arg(audio, QCoreApplication::translate("TrackRule", "all subtitles"));
    case TrackRule::Subtitles::these:
        return QCoreApplication::translate("TrackRule", "%1, %2")
            .arg(audio, QCoreApplication::translate("TrackRule", "%1 subtitles").arg(names(rule.subtitleLanguages)));
    case TrackRule::Subtitles::none:
        break;
    }
    return audio;
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

// A comma-separated list of codes or names; an unknown one is named in the error.
QList<QLocale::Language> parseLanguages(const QString &value, const QString &option, QString &error)
{
    QList<QLocale::Language> languages;
    for (const QString &item : value.split(QLatin1Char(','))) {
        const auto language = SideFiles::languageOf(item);
        if (language == QLocale::AnyLanguage) {
            error = QCoreApplication::translate("TrackRule", "unknown language '%1' in %2").arg(item.trimmed(), option);
            return {};
        }
        if (!languages.contains(language)) {
            languages.append(language);
        }
    }
    return languages;
}
}

void TrackRule::chooseAudioLanguages(const QList<QLocale::Language> &languages)
{
    if (audioLanguages.isEmpty() && !languages.isEmpty()) {
        leaveOutCommentary = true;
    }
    audioLanguages = languages;
}

// Qt names languages only in English or in their own words, so the languages people most often
// have on their films are named in the user's language by the catalogs. Listed for the catalogs'
// sake: the lookup goes by Qt's English name.
[[maybe_unused]] constexpr const char *translatedLanguageNames[] = {
    QT_TRANSLATE_NOOP("LanguageName", "English"),
    QT_TRANSLATE_NOOP("LanguageName", "French"),
    QT_TRANSLATE_NOOP("LanguageName", "German"),
    QT_TRANSLATE_NOOP("LanguageName", "Spanish"),
    QT_TRANSLATE_NOOP("LanguageName", "Italian"),
    QT_TRANSLATE_NOOP("LanguageName", "Portuguese"),
    QT_TRANSLATE_NOOP("LanguageName", "Dutch"),
    QT_TRANSLATE_NOOP("LanguageName", "Swedish"),
    QT_TRANSLATE_NOOP("LanguageName", "Norwegian Bokmal"),
    QT_TRANSLATE_NOOP("LanguageName", "Danish"),
    QT_TRANSLATE_NOOP("LanguageName", "Finnish"),
    QT_TRANSLATE_NOOP("LanguageName", "Icelandic"),
    QT_TRANSLATE_NOOP("LanguageName", "Polish"),
    QT_TRANSLATE_NOOP("LanguageName", "Czech"),
    QT_TRANSLATE_NOOP("LanguageName", "Slovak"),
    QT_TRANSLATE_NOOP("LanguageName", "Hungarian"),
    QT_TRANSLATE_NOOP("LanguageName", "Romanian"),
    QT_TRANSLATE_NOOP("LanguageName", "Bulgarian"),
    QT_TRANSLATE_NOOP("LanguageName", "Greek"),
    QT_TRANSLATE_NOOP("LanguageName", "Russian"),
    QT_TRANSLATE_NOOP("LanguageName", "Ukrainian"),
    QT_TRANSLATE_NOOP("LanguageName", "Serbian"),
    QT_TRANSLATE_NOOP("LanguageName", "Croatian"),
    QT_TRANSLATE_NOOP("LanguageName", "Slovenian"),
    QT_TRANSLATE_NOOP("LanguageName", "Turkish"),
    QT_TRANSLATE_NOOP("LanguageName", "Arabic"),
    QT_TRANSLATE_NOOP("LanguageName", "Hebrew"),
    QT_TRANSLATE_NOOP("LanguageName", "Persian"),
    QT_TRANSLATE_NOOP("LanguageName", "Hindi"),
    QT_TRANSLATE_NOOP("LanguageName", "Bangla"),
    QT_TRANSLATE_NOOP("LanguageName", "Tamil"),
    QT_TRANSLATE_NOOP("LanguageName", "Thai"),
    QT_TRANSLATE_NOOP("LanguageName", "Vietnamese"),
    QT_TRANSLATE_NOOP("LanguageName", "Indonesian"),
    QT_TRANSLATE_NOOP("LanguageName", "Malay"),
    QT_TRANSLATE_NOOP("LanguageName", "Filipino"),
    QT_TRANSLATE_NOOP("LanguageName", "Chinese"),
    QT_TRANSLATE_NOOP("LanguageName", "Japanese"),
    QT_TRANSLATE_NOOP("LanguageName", "Korean"),
    QT_TRANSLATE_NOOP("LanguageName", "Catalan"),
    QT_TRANSLATE_NOOP("LanguageName", "Estonian"),
    QT_TRANSLATE_NOOP("LanguageName", "Latvian"),
    QT_TRANSLATE_NOOP("LanguageName", "Lithuanian"),
    QT_TRANSLATE_NOOP("LanguageName", "Latin"),
};

QString TrackRule::languageName(QLocale::Language language)
{
    const QString english = QLocale::languageToString(language);
    const QString translated = QCoreApplication::translate("LanguageName", english.toUtf8().constData());
    if (translated != english) {
        return translated;
    }
    // Without a catalog, the user's own language in its own words.
    const QLocale user;
    return language == user.language() && user.language() != QLocale::English ? user.nativeLanguageName() : english;
}

QList<std::pair<QString, QString>> TrackRule::languages(const QString &search)
{
    // Every language Qt knows a locale for.
    static const QList<QLocale::Language> known = [] {
        QList<QLocale::Language> languages;
        for (const QLocale &locale : QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
            if (locale.language() != QLocale::C && !languages.contains(locale.language())) {
                languages.append(locale.language());
            }
        }
        return languages;
    }();
    QList<std::pair<QString, QString>> named; // code, name
    for (const QLocale::Language language : known) {
        const QString name = languageName(language);
        const QString code = QLocale::languageToCode(language);
        if (search.isEmpty() || name.contains(search, Qt::CaseInsensitive) || code.compare(search.trimmed(), Qt::CaseInsensitive) == 0) {
            named.append({ code, name });
        }
    }
    std::sort(named.begin(), named.end(), [desktop = QLocale::languageToCode(QLocale().language())](const auto &a, const auto &b) {
        if ((a.first == desktop) != (b.first == desktop)) {
            return a.first == desktop;
        }
        return QString::localeAwareCompare(a.second, b.second) < 0;
    });
    return named;
}

QString TrackRule::sentence() const
{
    if (subtitles == Subtitles::these && subtitleLanguages.isEmpty()) {
        TrackRule none = *this; // a list of no language keeps no subtitle
        none.subtitles = Subtitles::none;
        return none.sentence();
    }
    const bool chosen = !audioLanguages.isEmpty() || subtitles != Subtitles::all;
    QString kept = keptAudioAndSubtitles(*this);
    QStringList alsoKept;
    if (chosen && keepNoLanguage) {
        alsoKept.append(QCoreApplication::translate("TrackRule", "tracks with no language"));
    }
    if (keepMainAudio && !audioLanguages.isEmpty()) {
        alsoKept.append(QCoreApplication::translate("TrackRule", "the file's main audio"));
    }
    if (keepForcedInAudioLanguages && subtitles != Subtitles::all) {
        alsoKept.append(QCoreApplication::translate("TrackRule", "forced subtitles in the audio's languages"));
    }
    if (kept.isEmpty()) {
        kept = QCoreApplication::translate("TrackRule", "every track");
    } else if (!alsoKept.isEmpty()) {
        //: %1 is the kept audio and subtitles, %2 what is kept besides: "tracks with no language".
        kept = QCoreApplication::translate("TrackRule", "%1, and %2").arg(kept, joined(alsoKept, andPattern()));
    }
    //: The start of the rule's sentence; %1 lists what is kept: "every track", "English audio and subtitles, and tracks with no language".
    QString text = QCoreApplication::translate("TrackRule", "Keeping %1").arg(kept);
    const QString plain = text;

    QStringList leftOut;
    if (subtitles == Subtitles::none) {
        leftOut.append(QCoreApplication::translate("TrackRule", "subtitles"));
    }
    if (leaveOutCommentary) {
        leftOut.append(QCoreApplication::translate("TrackRule", "commentary"));
    }
    if (leaveOutAudioDescription) {
        leftOut.append(QCoreApplication::translate("TrackRule", "audio description"));
    }
    if (!leftOut.isEmpty()) {
        //: %2 lists what a batch leaves out: "subtitles and commentary".
        text = QCoreApplication::translate("TrackRule", "%1; leaving out %2").arg(text, joined(leftOut, andPattern()));
    }
    if (noAudioMatch == NoAudioMatch::skip && !audioLanguages.isEmpty()) {
        text = QCoreApplication::translate("TrackRule", "%1; skipping files with no %2 audio")
                   .arg(text, names(audioLanguages, QCoreApplication::translate("TrackRule", "%1 or %2")));
    }
    if (defaults == Defaults::followOrder && chosen) {
        text = QCoreApplication::translate("TrackRule", "%1; defaults follow the order of your languages").arg(text);
    }
    if (!addSideFiles) {
        text = QCoreApplication::translate("TrackRule", "%1; not adding files found beside the videos").arg(text);
    }
    // Keeping everything reads as a label, as the row shows it; a rule with clauses is a sentence.
    return text == plain && kept == QCoreApplication::translate("TrackRule", "every track") ? text : QCoreApplication::translate("TrackRule", "%1.").arg(text);
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

TrackRule::Parsed TrackRule::fromOptions(const Options &options)
{
    Parsed parsed;
    TrackRule &rule = parsed.rule;
    QString &error = parsed.error;
    QList<QLocale::Language> both;
    if (options.lang) {
        both = parseLanguages(*options.lang, QStringLiteral("--lang"), error);
    }
    QList<QLocale::Language> audio = both;
    if (error.isEmpty() && options.audioLang) {
        audio = options.audioLang->compare(QLatin1String("all"), Qt::CaseInsensitive) == 0
            ? QList<QLocale::Language> {}
            : parseLanguages(*options.audioLang, QStringLiteral("--audio-lang"), error);
    }
    if (error.isEmpty() && options.subLang) {
        if (options.subLang->compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
            rule.subtitles = Subtitles::none;
        } else if (options.subLang->compare(QLatin1String("all"), Qt::CaseInsensitive) != 0) {
            rule.subtitles = Subtitles::these;
            rule.subtitleLanguages = parseLanguages(*options.subLang, QStringLiteral("--sub-lang"), error);
        }
    } else if (!both.isEmpty()) {
        rule.subtitles = Subtitles::these;
        rule.subtitleLanguages = both;
    }
    if (error.isEmpty() && options.ifNoAudio) {
        if (*options.ifNoAudio == QLatin1String("skip")) {
            rule.noAudioMatch = NoAudioMatch::skip;
        } else if (*options.ifNoAudio != QLatin1String("keep-main")) {
            error = QCoreApplication::translate("TrackRule", "unknown choice '%1' in --if-no-audio: choose keep-main or skip").arg(*options.ifNoAudio);
        }
    }
    if (!error.isEmpty()) {
        return { TrackRule {}, error };
    }
    rule.audioLanguages = audio;
    // As in the window: a list keeps tracks with no language.
    // As in the window: choosing audio languages leaves out commentary unless asked; subtitles
    // alone leave the audio as it is.
    rule.leaveOutCommentary = !audio.isEmpty() && !options.keepCommentary;
    rule.addSideFiles = !options.noSideFiles;
    rule.keepMainAudio = options.keepMainAudio;
    return parsed;
}

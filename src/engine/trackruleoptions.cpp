// The rule the terminal's options make.
#include "engine/sidefiles.h"
#include "engine/trackrule.h"

#include <QCoreApplication>

namespace
{
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

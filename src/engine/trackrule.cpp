#include "engine/trackrule.h"

#include <QCoreApplication>
#include <algorithm>

// The rule itself; its sentence, its settings and its terminal options are in files of their own
// (trackrulesentence.cpp, trackrulesettings.cpp, trackruleoptions.cpp).

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

#pragma once

#include <QList>
#include <QLocale>
#include <QString>
#include <QVariantMap>
#include <optional>
#include <utility>

class QSettings;

// Which tracks a batch keeps, chosen once for every file: languages for audio and subtitles and
// the exceptions around them. A plain value; the default keeps every track, as Kestrune always has.
struct TrackRule {
    enum class Subtitles { all, these, none };
    enum class Defaults { asInSource, followOrder }; // followOrder: the first kept of the first language
    // When no audio is in the chosen languages: keepMain keeps the main audio and says so; skip
    // writes nothing for that file.
    enum class NoAudioMatch { keepMain, skip };

    QList<QLocale::Language> audioLanguages; // empty: every language
    Subtitles subtitles = Subtitles::all;
    QList<QLocale::Language> subtitleLanguages; // with Subtitles::these
    bool keepNoLanguage = true; // tracks that name no language stay whatever the lists say
    // The source's default audio, else its first, stays whatever its language. Off, it still
    // stays when no audio is in the languages: that is the fallback of NoAudioMatch::keepMain.
    bool keepMainAudio = false;
    bool leaveOutCommentary = false;
    bool leaveOutAudioDescription = false;
    bool keepForcedInAudioLanguages = false;
    bool addSideFiles = true;
    Defaults defaults = Defaults::asInSource;
    NoAudioMatch noAudioMatch = NoAudioMatch::keepMain;

    bool operator==(const TrackRule &) const = default;

    // Sets the audio list; choosing languages where there were none also leaves out commentary,
    // which is rarely wanted once a user picks what to listen to.
    void chooseAudioLanguages(const QList<QLocale::Language> &languages);

    // The rule in one plain sentence, in the user's language.
    [[nodiscard]] QString sentence() const;
    // The languages a rule can name, as (code, name): the desktop's language first, then by name;
    // only those whose name or code contains `search` (any case), when given.
    [[nodiscard]] static QList<std::pair<QString, QString>> languages(const QString &search = {});
    // A language's name as the sentence writes it.
    [[nodiscard]] static QString languageName(QLocale::Language language);

    // The rule as the editor in the window reads and writes it: "audioLanguages" and
    // "subtitleLanguages" (lists of ISO 639-1 codes, or 639-2 where there is none), "subtitles"
    // ("all", "these", "none"), "defaults" ("asInSource", "followOrder"), "noAudioMatch"
    // ("keepMain", "skip"), and each boolean by its member's name. What is missing, unknown or
    // damaged reads as the default.
    [[nodiscard]] QVariantMap toMap() const;
    [[nodiscard]] static TrackRule fromMap(const QVariantMap &map);
    // Kept in the group "tracks", with the keys of toMap(); what is missing, unknown or damaged reads as the default.
    void save(QSettings &settings) const;
    [[nodiscard]] static TrackRule load(QSettings &settings);

    // The terminal's options, as given; nullopt: not given.
    struct Options {
        std::optional<QString> lang;
        std::optional<QString> audioLang;
        std::optional<QString> subLang;
        bool keepCommentary = false;
        std::optional<QString> ifNoAudio;
        bool noSideFiles = false;
        bool keepMainAudio = false;
    };
    struct Parsed;
    [[nodiscard]] static Parsed fromOptions(const Options &options);
};

struct TrackRule::Parsed {
    TrackRule rule;
    QString error; // one line for the terminal; empty when the options make a rule
};

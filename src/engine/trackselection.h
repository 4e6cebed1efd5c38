#pragma once

#include "engine/trackchoice.h"
#include "engine/trackdecision.h"

#include <QList>
#include <QLocale>
#include <QStringList>
#include <optional>

// The rule of a TrackChoice applied to one file's tracks: which audio and subtitles stay, why the
// others go, and which are default. The plan's own half, kept apart from what the container can
// hold; a pure function, tested through TrackPlan::make.
namespace TrackSelection
{
struct Entry {
    TrackDecision decision; // `kept` and `why` as decided so far
    QLocale::Language language = QLocale::AnyLanguage;
    bool noLanguage = true; // the tag names none ("und", empty); an unknown code is a language
    bool ruled = false; // audio or a subtitle the container takes: the rule decides it
    MediaProbe::Flags flags; // as they will be stated: the source's, or the rule's defaults
    // Why the container can't take it ("PGS subtitles can't go into MP4"), and the note owed when
    // the rule or the user would have kept it; no tick forces it in.
    QString refusal;
    QString refusalNote;
};

struct Result {
    QStringList notes;
    std::optional<QString> skipped;
    bool noAudioFits = false; // the file has audio, and the container takes none of it
};

// Decides every ruled entry; `mainAudio` is the index of the file's main audio, or -1.
// The notes are the fallback's, the refusals' and the missing subtitles'.
[[nodiscard]] Result apply(QList<Entry> &entries, qsizetype mainAudio, const TrackChoice &choice);

// A language's name for the row, or the tag itself when Qt knows no name for it.
[[nodiscard]] QString languageName(const Entry &entry);
// Whether a track's title says it is commentary, in a few common languages.
[[nodiscard]] bool titleSaysCommentary(const QString &title);
}

#include "engine/trackselection.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

using Kind = MediaProbe::StreamKind;
using Flag = MediaProbe::Flag;

namespace TrackSelection
{
namespace
{
// "English", "English or Japanese", "English, French or Japanese", as the rule's sentence joins them.
QString eitherOf(const QList<QLocale::Language> &languages)
{
    QString text;
    for (qsizetype i = 0; i < languages.size(); ++i) {
        const QString name = TrackRule::languageName(languages[i]);
        text = i == 0 ? name
                      : (i + 1 == languages.size() ? QCoreApplication::translate("TrackRule", "%1 or %2") : QCoreApplication::translate("TrackRule", "%1, %2"))
                            .arg(text, name);
    }
    return text;
}

bool isCommentary(const Entry &entry)
{
    return entry.decision.flags.testFlag(Flag::commentary) || titleSaysCommentary(entry.decision.title);
}

QString notInYourLanguages(const Entry &entry)
{
    if (entry.noLanguage) {
        return QCoreApplication::translate("TrackPlan", "No language");
    }
    //: Why a track was left out: "German: not in your languages".
    return QCoreApplication::translate("TrackPlan", "%1: not in your languages").arg(languageName(entry));
}

// Why the rule leaves this audio out, by its language alone; empty: the rule keeps it.
QString languageVerdict(const Entry &entry, const QList<QLocale::Language> &languages, bool keepNoLanguage)
{
    if (languages.isEmpty() || (entry.noLanguage ? keepNoLanguage : languages.contains(entry.language))) {
        return {};
    }
    return notInYourLanguages(entry);
}

void decide(Entry &entry, const QString &why)
{
    entry.decision.kept = why.isEmpty();
    entry.decision.why = why;
}

// The user's tick for this file, if any, overrules the rule; then what the container can't take
// goes, with a note when it would have been kept.
void settle(Entry &entry, const TrackChoice &choice, QStringList &notes)
{
    if (const auto exception = choice.exceptions.constFind(entry.decision.key); exception != choice.exceptions.cend()) {
        decide(entry, *exception ? QString() : QCoreApplication::translate("TrackPlan", "Left out by you"));
        entry.decision.byException = true;
    }
    if (entry.decision.kept && !entry.refusal.isEmpty()) {
        decide(entry, entry.refusal);
        if (!notes.contains(entry.refusalNote)) {
            notes << entry.refusalNote;
        }
    }
}

// The audio that stands in when all the rule kept can't go into the container: one in the
// user's languages first, in their order, then the main audio, then any, never one the user
// unticked. None at all can go in: the file has nothing to be written with, and says so.
void keepSound(const QList<Entry *> &audio, const Entry *main, const QList<QLocale::Language> &languages, Result &result)
{
    if (audio.isEmpty() || std::any_of(audio.cbegin(), audio.cend(), [](const Entry *entry) { return entry->decision.kept; })) {
        return;
    }
    // A tick that kept refused audio is no untick: that track is out for the container alone.
    const auto unticked = [](const Entry *entry) { return entry->decision.byException && entry->decision.why != entry->refusal; };
    QList<Entry *> free;
    for (Entry *entry : audio) {
        if (entry->refusal.isEmpty() && !unticked(entry)) {
            free.append(entry);
        }
    }
    Entry *stand = nullptr;
    for (const QLocale::Language language : languages) {
        for (Entry *entry : free) {
            stand = !stand && !entry->noLanguage && entry->language == language ? entry : stand;
        }
    }
    for (Entry *entry : free) {
        stand = stand ? stand : (entry == main ? entry : nullptr);
    }
    stand = stand ? stand : free.value(0);
    if (stand) {
        decide(*stand, {});
        result.notes << (stand->noLanguage
                ? QCoreApplication::translate("TrackPlan", "Another audio track was kept in its place, so the new file has sound.")
                : QCoreApplication::translate("TrackPlan", "The %1 audio was kept in its place, so the new file has sound.").arg(languageName(*stand)));
    } else if (std::none_of(audio.cbegin(), audio.cend(), unticked)) {
        result.noAudioFits = true;
    }
}

QList<Entry *> ruledOf(QList<Entry> &entries, Kind kind)
{
    QList<Entry *> found;
    for (Entry &entry : entries) {
        if (entry.ruled && entry.decision.kind == kind) {
            found.append(&entry);
        }
    }
    return found;
}

// With the order of the user's languages: the first kept audio of the first listed language
// that has one is the default, and no subtitle but a forced one in that language.
void followOrder(const QList<Entry *> &audio, const QList<Entry *> &subtitles, const QList<QLocale::Language> &languages)
{
    const Entry *chosen = nullptr;
    for (const QLocale::Language language : languages) {
        for (const Entry *entry : audio) {
            if (!chosen && entry->decision.kept && !entry->noLanguage && entry->language == language) {
                chosen = entry;
            }
        }
    }
    for (const Entry *entry : audio) {
        if (!chosen && entry->decision.kept) {
            chosen = entry; // no audio in a listed language: the one kept in its stead
        }
    }
    const Entry *forced = nullptr;
    for (const Entry *entry : subtitles) {
        if (!forced && chosen && !chosen->noLanguage && entry->decision.kept && entry->decision.flags.testFlag(Flag::forced) && !entry->noLanguage
            && entry->language == chosen->language) {
            forced = entry;
        }
    }
    for (Entry *entry : audio) {
        entry->flags.setFlag(Flag::isDefault, entry == chosen);
    }
    for (Entry *entry : subtitles) {
        entry->flags.setFlag(Flag::isDefault, entry == forced);
    }
}
}

QString languageName(const Entry &entry)
{
    return entry.language != QLocale::AnyLanguage ? TrackRule::languageName(entry.language) : entry.decision.language;
}

bool titleSaysCommentary(const QString &title)
{
    // "Commentary", "Director's Comments", "commentaire", "commento", "comentario", "Kommentar",
    // "commentaar", "комментарий", "コメンタリー".
    static const QRegularExpression words(QStringLiteral("comment|kommentar|comentar|коммент|コメンタリー|解説"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return !title.isEmpty() && words.match(title).hasMatch();
}

Result apply(QList<Entry> &entries, qsizetype mainAudio, const TrackChoice &choice)
{
    const TrackRule &rule = choice.rule;
    Result result;
    const QList<Entry *> audio = ruledOf(entries, Kind::audio);
    const QList<Entry *> subtitles = ruledOf(entries, Kind::subtitle);
    Entry *main = mainAudio >= 0 && entries[mainAudio].ruled ? &entries[mainAudio] : nullptr;

    // Audio: the languages, then what is left out whatever its language; the main audio stays
    // when only its language stood against it. Kept by language, by no language or by the user's
    // tick counts as a match: such a file has the sound the user asked for.
    bool matched = false;
    bool refused = false; // the rule or a tick kept audio the container can't take
    for (Entry *entry : audio) {
        const QString byLanguage = languageVerdict(*entry, rule.audioLanguages, rule.keepNoLanguage);
        QString why = byLanguage;
        if (why.isEmpty() && rule.leaveOutCommentary && isCommentary(*entry)) {
            why = QCoreApplication::translate("TrackPlan", "Commentary");
        } else if (why.isEmpty() && rule.leaveOutAudioDescription && entry->decision.flags.testFlag(Flag::visualImpaired)) {
            why = QCoreApplication::translate("TrackPlan", "Audio description");
        }
        decide(*entry, why);
        const bool byRule = entry->decision.kept;
        if (!byRule && !byLanguage.isEmpty() && entry == main && rule.keepMainAudio) {
            decide(*entry, {});
        }
        settle(*entry, choice, result.notes);
        refused = refused || (!entry->refusal.isEmpty() && entry->decision.why == entry->refusal);
        // Matched even where the container refuses it: that is for the stand-in below.
        matched = matched || byRule || (entry->decision.kept && entry->decision.byException);
    }
    // Never a file without sound, unless the user unticked its main audio.
    const bool mainFree = main && !main->decision.byException && main->refusal.isEmpty();
    if (!matched && !audio.isEmpty() && !rule.audioLanguages.isEmpty()) {
        const QString wanted = eitherOf(rule.audioLanguages);
        if (rule.noAudioMatch == TrackRule::NoAudioMatch::skip) {
            //: A file the rule skips: "Skipped: no English or Japanese audio".
            result.skipped = QCoreApplication::translate("TrackPlan", "Skipped: no %1 audio").arg(wanted);
        } else if (mainFree) {
            decide(*main, {});
            result.notes << (main->noLanguage
                    ? QCoreApplication::translate("TrackPlan", "No %1 audio here, so the main audio was kept.").arg(wanted)
                    : QCoreApplication::translate("TrackPlan", "No %1 audio here, so the main audio (%2) was kept.").arg(wanted, languageName(*main)));
        }
    } else if (mainFree && !refused && std::none_of(audio.cbegin(), audio.cend(), [](const Entry *entry) { return entry->decision.kept; })) {
        decide(*main, {}); // every audio was commentary or description: the main one stays
    }
    if (!result.skipped) {
        keepSound(audio, main, rule.audioLanguages, result);
    }

    // Subtitles, once the audio is known: forced ones follow the kept audio's languages.
    QList<QLocale::Language> heard;
    for (const Entry *entry : audio) {
        if (entry->decision.kept && !entry->noLanguage) {
            heard.append(entry->language);
        }
    }
    bool anyInLanguages = false;
    for (Entry *entry : subtitles) {
        QString why;
        if (rule.subtitles == TrackRule::Subtitles::none) {
            why = QCoreApplication::translate("TrackPlan", "No subtitles chosen");
        } else if (rule.subtitles == TrackRule::Subtitles::these) {
            why = languageVerdict(*entry, rule.subtitleLanguages, rule.keepNoLanguage);
            anyInLanguages = anyInLanguages || why.isEmpty();
            if (rule.subtitleLanguages.isEmpty()) {
                why = QCoreApplication::translate("TrackPlan", "No subtitles chosen");
            }
        }
        if (!why.isEmpty() && rule.keepForcedInAudioLanguages && entry->decision.flags.testFlag(Flag::forced) && !entry->noLanguage
            && heard.contains(entry->language)) {
            why.clear();
        }
        if (why.isEmpty() && rule.leaveOutCommentary && isCommentary(*entry)) {
            why = QCoreApplication::translate("TrackPlan", "Commentary");
        }
        decide(*entry, why);
        settle(*entry, choice, result.notes);
    }
    // Said only of a file that had subtitles, none of them in the languages asked for.
    if (rule.subtitles == TrackRule::Subtitles::these && !rule.subtitleLanguages.isEmpty() && !subtitles.isEmpty() && !anyInLanguages
        && std::none_of(subtitles.cbegin(), subtitles.cend(), [](const Entry *entry) { return entry->decision.kept; })) {
        result.notes << QCoreApplication::translate("TrackPlan", "No %1 subtitles here, so none were kept.").arg(eitherOf(rule.subtitleLanguages));
    }

    if (rule.defaults == TrackRule::Defaults::followOrder && !rule.audioLanguages.isEmpty()) {
        followOrder(audio, subtitles, rule.audioLanguages);
    }
    return result;
}
}

// The rule in one plain sentence, as the window and the terminal show it.
#include "engine/trackrule.h"

#include <QCoreApplication>

namespace
{
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

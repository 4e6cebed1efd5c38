#include "engine/trackplan.h"

#include "engine/languagecodes.h"
#include "engine/remuxchecks.h"
#include "engine/trackselection.h"

#include <QCoreApplication>
#include <QHash>

using Kind = MediaProbe::StreamKind;
using Flag = MediaProbe::Flag;

namespace
{
using namespace ContainerTable;

// ffmpeg's encoder that writes a text subtitle in its own format again.
QString sameTextEncoder(const QString &codec)
{
    return codec == QLatin1String("subrip") ? QStringLiteral("srt") : codec;
}
}

TrackPlan TrackPlan::make(const MediaProbe::Info &source, OutputFormat format, const TrackChoice &choice)
{
    TrackPlan plan;
    plan.format = format;
    int unknown = 0;
    QList<TrackSelection::Entry> entries;
    qsizetype mainAudio = -1;
    // A rule that chooses tracks leaves out what the container can't hold, and says so; keeping
    // every track, such a file fails as ffmpeg says, so nothing goes missing unasked.
    const TrackRule &rule = choice.rule;
    const bool choosing
        = !rule.audioLanguages.isEmpty() || rule.subtitles != TrackRule::Subtitles::all || rule.leaveOutCommentary || rule.leaveOutAudioDescription;
    // Keeping every track, audio the container refuses still goes when other audio can take its
    // place, so the file is written; the file's only sound is never dropped unasked.
    const bool someAudioFits = std::any_of(source.streams.cbegin(), source.streams.cend(),
        [format](const MediaProbe::Stream &stream) { return stream.kind == Kind::audio && audio(stream.codecName, format) != Takes::no; });
    for (const MediaProbe::Stream &stream : source.streams) {
        TrackSelection::Entry entry { { QStringLiteral("0:%1").arg(stream.index), 0, stream.index, stream.kind, stream.codecName, stream.language, stream.title,
                                          stream.flags, stream.attachedPicture, true },
            LanguageCodes::languageOf(stream.language), LanguageCodes::meansNoLanguage(stream.language), false, stream.flags };
        entry.decision.picture = stream.picture;
        // Matroska names one cover by its file; pictures it can't name stay out, as the read-back says.
        // A Matroska source's pictures are attachments already, read as pictures: each goes back
        // under its own name.
        const bool jpeg = stream.codecName == QLatin1String("mjpeg");
        const bool attached = source.formatName.startsWith(QLatin1String("matroska")) && !stream.fileName.isEmpty();
        if (format == OutputFormat::mkv && RemuxChecks::isPicture(stream) && (plan.covers.isEmpty() || attached)
            && (jpeg || stream.codecName == QLatin1String("png"))) {
            plan.covers.append({ stream.index,
                attached   ? stream.fileName
                    : jpeg ? QStringLiteral("cover.jpg")
                           : QStringLiteral("cover.png"),
                jpeg ? QStringLiteral("image/jpeg") : QStringLiteral("image/png") });
            entry.decision.why = QCoreApplication::translate("TrackPlan", "Attached as cover art");
        } else if (leftOut(stream, format)) {
            unknown += stream.kind == Kind::other;
            plan.dropsDataTracks = plan.dropsDataTracks || (stream.kind == Kind::data && !stream.chapterTrack);
            entry.decision.kept = false;
            entry.decision.why = technicalWhy(stream, format);
        } else if (stream.kind == Kind::audio || stream.kind == Kind::subtitle) {
            entry.ruled = true;
            if (choosing || (stream.kind == Kind::audio && someAudioFits)) {
                std::tie(entry.refusal, entry.refusalNote) = refusalOf(stream.kind, stream.codecName, format, {});
            }
            const bool isMain = mainAudio < 0 || (stream.flags.testFlag(Flag::isDefault) && !entries[mainAudio].flags.testFlag(Flag::isDefault));
            mainAudio = stream.kind == Kind::audio && isMain ? entries.size() : mainAudio;
        }
        entries.append(entry);
    }
    const qsizetype sideStart = entries.size();
    for (qsizetype i = 0; rule.addSideFiles && i < choice.sideFiles.size(); ++i) {
        const SideInput &side = choice.sideFiles[i];
        const SideFiles::File &file = side.file;
        MediaProbe::Flags flags;
        flags.setFlag(Flag::isDefault, file.isDefault).setFlag(Flag::forced, file.forced);
        flags.setFlag(Flag::hearingImpaired, file.hearingImpaired).setFlag(Flag::commentary, file.commentary);
        const Kind kind = file.kind == SideFiles::Kind::audio ? Kind::audio : Kind::subtitle;
        const QString code = file.language == QLocale::AnyLanguage ? QString() : QLocale::languageToCode(file.language);
        TrackSelection::Entry entry { { QStringLiteral("side:") + file.name, int(i) + 1, 0, kind, side.codec, code, file.title, flags, false, true },
            file.language, file.language == QLocale::AnyLanguage, true, flags };
        std::tie(entry.refusal, entry.refusalNote) = refusalOf(kind, side.codec, format, file.name);
        // A file without audio of its own has the first side audio marked default, else the first, as its main.
        const bool isMain = mainAudio < 0 || (file.isDefault && mainAudio >= sideStart && !entries[mainAudio].flags.testFlag(Flag::isDefault));
        mainAudio = kind == Kind::audio && entry.refusal.isEmpty() && isMain ? entries.size() : mainAudio;
        entries.append(entry);
    }
    const TrackSelection::Result selected = TrackSelection::apply(entries, mainAudio, choice);
    plan.skipped = selected.skipped;
    if (selected.noAudioFits && rule.noAudioMatch == TrackRule::NoAudioMatch::skip) {
        plan.skipped = QCoreApplication::translate("TrackPlan", "Skipped: no audio that can go into %1").arg(OutputFormats::displayName(format));
    } else if (selected.noAudioFits) {
        plan.failure = QCoreApplication::translate("TrackPlan", "None of this file's audio can go into %1.").arg(OutputFormats::displayName(format));
    }

    bool converted = false;
    bool styled = false;
    bool unrecorded = false;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        TrackSelection::Entry &entry = entries[i];
        Decision &decision = entry.decision;
        if (!decision.kept || (decision.input == 0 && std::any_of(plan.covers.cbegin(), plan.covers.cend(), [&decision](const Cover &cover) {
                return cover.source == decision.source;
            }))) {
            continue;
        }
        if (decision.input > 0) {
            plan.sideInputs.append(choice.sideFiles[decision.input - 1]);
            decision.input = int(plan.sideInputs.size());
        }
        Track track { decision.input, decision.source, decision.kind, decision.codec, {}, decision.attachedPicture };
        if (decision.kind == Kind::audio) {
            plan.strict = strictness(audio(decision.codec, format), plan.strict);
        }
        if (decision.kind == Kind::subtitle) {
            if (const auto conversion = conversionOf(decision.codec, format)) {
                track.codec = conversion->codec;
                track.encoder = conversion->encoder;
                converted = true;
                styled = styled || decision.codec == QLatin1String("ass") || decision.codec == QLatin1String("ssa");
                decision.why = conversionWhy(format);
            } else if (decision.input > 0 && !plan.sideInputs.last().encoding.isEmpty()) {
                // Text read through another character set is only turned into UTF-8 when decoded.
                track.encoder = sameTextEncoder(decision.codec);
            }
            if (decision.input > 0 && plan.sideInputs.last().encodingGuessed) {
                plan.warnings << QCoreApplication::translate("TrackPlan", "The encoding of %1 couldn't be told, so it was read as Windows-1252.")
                                     .arg(plan.sideInputs.last().file.name);
            }
        }
        if (decision.kind != Kind::data && decision.kind != Kind::attachment) {
            const QString sideCode
                = decision.input > 0 && entry.language != QLocale::AnyLanguage ? QLocale::languageToCode(entry.language, QLocale::ISO639Part2B) : QString();
            const QString code = sideCode.isEmpty() ? decision.language : sideCode;
            track.language = LanguageCodes::spellingFor(format, code);
            track.title = decision.title;
            track.flags = entry.flags;
            track.otherMarks = decision.input == 0 ? source.streams[i].otherMarks : QStringList();
            unrecorded
                = unrecorded || (track.language.isEmpty() && !LanguageCodes::meansNoLanguage(code)) || (!records(format).title && !track.title.isEmpty());
        }
        plan.tracks.append(track);
    }
    for (qsizetype i = 0; i < entries.size(); ++i) {
        // MP4's chapter track is the chapters, listed as such, not a track left out.
        if (i >= sideStart || !source.streams[i].chapterTrack) {
            plan.decisions.append(entries[i].decision);
        }
    }
    if (unknown == 1) {
        plan.notes << QCoreApplication::translate("TrackPlan", "A stream ffmpeg doesn't know was left out.");
    } else if (unknown > 1) {
        plan.notes << QCoreApplication::translate("TrackPlan", "%n streams ffmpeg doesn't know were left out.", nullptr, unknown);
    }
    plan.notes << selected.notes;
    if (converted) {
        plan.warnings.prepend(conversionWarning(format, styled));
    }
    if (unrecorded) {
        plan.warnings << QCoreApplication::translate("TrackPlan", "%1 can't record the language or title of every track, so some were left out.")
                             .arg(OutputFormats::displayName(format));
    }
    plan.chapterTitles = source.chapterTitles;
    plan.chapterTitles.resize(std::max<qsizetype>(source.chapters, source.chapterTitles.size()));
    plan.planPictures(source);
    plan.settle();
    return plan;
}

TrackPlan TrackPlan::leavingOut(const RemuxAttempt &attempt) const
{
    TrackPlan plan = *this;
    plan.covers.removeIf([&attempt](const Cover &cover) { return attempt.leftOutIndexes.contains(cover.source); });
    plan.tracks.removeIf([&attempt](const Track &track) {
        return (track.input == 0 && attempt.leftOutIndexes.contains(track.source)) || (attempt.leaveOut && track.kind == Kind::data)
            || (attempt.leaveOut && attempt.leaveOutAttachments && track.kind == Kind::attachment);
    });
    plan.settle();
    return plan;
}

// What the container will show of each track, once it has written what it can.
void TrackPlan::settle()
{
    const Records recorded = records(format);
    QList<Kind> defaultKinds;
    for (Track &track : tracks) {
        const bool media = track.kind == Kind::video || track.kind == Kind::audio || track.kind == Kind::subtitle;
        // TS records languages in the descriptors of audio and subtitles only.
        track.recordedLanguage = media && (format != OutputFormat::mpegts || track.kind != Kind::video) ? track.language : QString();
        track.recordedTitle = media && recorded.title ? track.title : QString();
        track.recordedFlags = media ? track.flags & recorded.flags : MediaProbe::Flags();
        if (format == OutputFormat::mpegts) {
            // One audio type per track, hearing impaired first; subtitles have only that one.
            const bool hearing = track.recordedFlags.testFlag(Flag::hearingImpaired);
            track.recordedFlags.setFlag(Flag::visualImpaired, track.kind == Kind::audio && !hearing && track.recordedFlags.testFlag(Flag::visualImpaired));
            track.recordedFlags.setFlag(Flag::hearingImpaired, hearing && track.kind != Kind::video);
        }
        if (track.recordedFlags.testFlag(Flag::isDefault)) {
            defaultKinds.append(track.kind);
        }
    }
    if (recorded.firstIsDefault) {
        for (Track &track : tracks) {
            const bool media = track.kind == Kind::video || track.kind == Kind::audio || track.kind == Kind::subtitle;
            if (media && !track.attachedPicture && !defaultKinds.contains(track.kind)) {
                track.recordedFlags |= Flag::isDefault;
                defaultKinds.append(track.kind);
            }
        }
    }
}

MediaProbe::Info TrackPlan::expected() const
{
    MediaProbe::Info info;
    for (const Track &track : tracks) {
        info.streams.append(
            { track.kind, track.codec, int(info.streams.size()), track.attachedPicture, {}, track.recordedLanguage, track.recordedTitle, track.recordedFlags });
        info.streams.last().picture = track.recordedPicture;
    }
    info.chapters = format == OutputFormat::mpegts ? 0 : int(chapterTitles.size());
    return info;
}

QString TrackPlan::summary() const
{
    if (skipped || failure) {
        return skipped ? *skipped : *failure;
    }
    int audio = 0, keptAudio = 0, subtitles = 0, keptSubtitles = 0, sides = 0;
    for (const Decision &decision : decisions) {
        const bool fromSource = decision.input == 0;
        sides += !fromSource && decision.kept;
        if (fromSource && decision.kind == Kind::audio) {
            ++audio;
            keptAudio += decision.kept;
        } else if (fromSource && decision.kind == Kind::subtitle) {
            ++subtitles;
            keptSubtitles += decision.kept;
        }
    }
    QStringList parts;
    if (keptAudio == audio && keptSubtitles == subtitles) {
        parts << QCoreApplication::translate("TrackPlan", "Every track");
    } else {
        if (audio > 0) {
            //: The row's line: "2 of 4 audio · 1 of 3 subtitles".
            parts << QCoreApplication::translate("TrackPlan", "%1 of %2 audio").arg(keptAudio).arg(audio);
        }
        if (subtitles > 0) {
            parts << (subtitles == 1 ? QCoreApplication::translate("TrackPlan", "%1 of 1 subtitle")
                                     : QCoreApplication::translate("TrackPlan", "%1 of %n subtitles", nullptr, subtitles))
                         .arg(keptSubtitles);
        }
    }
    if (sides > 0) {
        parts << (sides == 1 ? QCoreApplication::translate("TrackPlan", "1 side file")
                             : QCoreApplication::translate("TrackPlan", "%n side files", nullptr, sides));
    }
    return parts.join(QStringLiteral(" · "));
}

#include "engine/trackplan.h"

#include "engine/languagecodes.h"
#include "engine/remuxchecks.h"

#include <QCoreApplication>

using Kind = MediaProbe::StreamKind;
using Flag = MediaProbe::Flag;

namespace
{
const QStringList &textSubtitleCodecs()
{
    static const QStringList codecs { QStringLiteral("subrip"), QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa"), QStringLiteral("webvtt"),
        QStringLiteral("mov_text"), QStringLiteral("text") };
    return codecs;
}

struct Conversion {
    QString codec; // as read back
    QString encoder;
};

// Where a text subtitle must change form to be held at all: MP4 and MOV hold only their own
// text format, Matroska all but that one, WebM only WebVTT. TS holds none, and bitmaps are
// never converted: those fail as ffmpeg says.
std::optional<Conversion> conversionOf(const QString &codec, OutputFormat format)
{
    if (!textSubtitleCodecs().contains(codec)) {
        return std::nullopt;
    }
    switch (format) {
    case OutputFormat::mp4:
    case OutputFormat::mov:
        if (codec != QLatin1String("mov_text")) {
            return Conversion { QStringLiteral("mov_text"), QStringLiteral("mov_text") };
        }
        break;
    case OutputFormat::mkv:
        if (codec == QLatin1String("mov_text") || codec == QLatin1String("text")) {
            return Conversion { QStringLiteral("subrip"), QStringLiteral("srt") };
        }
        break;
    case OutputFormat::webm:
        if (codec != QLatin1String("webvtt")) {
            return Conversion { QStringLiteral("webvtt"), QStringLiteral("webvtt") };
        }
        break;
    case OutputFormat::mpegts:
        break;
    }
    return std::nullopt;
}

QString conversionWarning(OutputFormat format, bool styled)
{
    switch (format) {
    case OutputFormat::mp4:
    case OutputFormat::mov:
        return styled ? QCoreApplication::translate("TrackPlan", "The subtitles were converted to MP4's text format; their styling was lost.")
                      : QCoreApplication::translate("TrackPlan", "The subtitles were converted to MP4's text format.");
    case OutputFormat::webm:
        return styled ? QCoreApplication::translate("TrackPlan", "The subtitles were converted to WebVTT; their styling was lost.")
                      : QCoreApplication::translate("TrackPlan", "The subtitles were converted to WebVTT.");
    case OutputFormat::mkv:
    case OutputFormat::mpegts:
        break;
    }
    return QCoreApplication::translate("TrackPlan", "The subtitles were converted to SRT.");
}

// Known refusals: Matroska writes cover art as an ordinary one-frame video track and takes no
// data streams; only Matroska holds attachments. A stream of no known type can't be mapped at all.
bool leftOut(const MediaProbe::Stream &stream, OutputFormat format)
{
    const bool matroska = format == OutputFormat::mkv || format == OutputFormat::webm;
    switch (stream.kind) {
    case Kind::other:
        return true;
    case Kind::data:
        return matroska;
    case Kind::attachment:
        return format != OutputFormat::mkv;
    case Kind::video:
        return format == OutputFormat::mkv && RemuxChecks::isPicture(stream);
    case Kind::audio:
    case Kind::subtitle:
        break;
    }
    return false;
}
}

TrackPlan::Records TrackPlan::records(OutputFormat format)
{
    const MediaProbe::Flags all { Flag::isDefault, Flag::forced, Flag::hearingImpaired, Flag::visualImpaired, Flag::commentary, Flag::original };
    switch (format) {
    case OutputFormat::mkv:
        return { true, true, all, false };
    case OutputFormat::webm:
        return { true, true, { Flag::isDefault, Flag::forced }, false };
    case OutputFormat::mp4:
        return { true, true, all & ~MediaProbe::Flags(Flag::original), true };
    case OutputFormat::mov:
        return { true, true, Flag::isDefault, true };
    case OutputFormat::mpegts:
        return { true, false, { Flag::hearingImpaired, Flag::visualImpaired }, false };
    }
    return {};
}

TrackPlan TrackPlan::make(const MediaProbe::Info &source, OutputFormat format, const TrackChoice &choice)
{
    Q_UNUSED(choice)
    TrackPlan plan;
    plan.format = format;
    int unknown = 0;
    bool converted = false;
    bool styled = false;
    bool unrecorded = false;
    for (const MediaProbe::Stream &stream : source.streams) {
        // Matroska names one cover by its file; pictures it can't name stay out, as the read-back says.
        const bool jpeg = stream.codecName == QLatin1String("mjpeg");
        if (format == OutputFormat::mkv && RemuxChecks::isPicture(stream) && plan.covers.isEmpty() && (jpeg || stream.codecName == QLatin1String("png"))) {
            plan.covers.append({ stream.index, jpeg ? QStringLiteral("cover.jpg") : QStringLiteral("cover.png"),
                jpeg ? QStringLiteral("image/jpeg") : QStringLiteral("image/png") });
            continue;
        }
        if (leftOut(stream, format)) {
            unknown += stream.kind == Kind::other;
            plan.dropsDataTracks = plan.dropsDataTracks || stream.kind == Kind::data;
            continue;
        }
        Track track { .source = stream.index, .kind = stream.kind, .codec = stream.codecName, .attachedPicture = stream.attachedPicture };
        if (stream.kind == Kind::subtitle) {
            if (const auto conversion = conversionOf(stream.codecName, format)) {
                track.codec = conversion->codec;
                track.encoder = conversion->encoder;
                converted = true;
                styled = styled || stream.codecName == QLatin1String("ass") || stream.codecName == QLatin1String("ssa");
            }
        }
        if (stream.kind != Kind::data && stream.kind != Kind::attachment) {
            track.language = LanguageCodes::spellingFor(format, stream.language);
            track.title = stream.title;
            track.flags = stream.flags;
            track.otherMarks = stream.otherMarks;
            unrecorded = unrecorded || (track.language.isEmpty() && !LanguageCodes::meansNoLanguage(stream.language))
                || (!records(format).title && !track.title.isEmpty());
        }
        plan.tracks.append(track);
    }
    if (unknown == 1) {
        plan.notes << QCoreApplication::translate("TrackPlan", "A stream ffmpeg doesn't know was left out.");
    } else if (unknown > 1) {
        plan.notes << QCoreApplication::translate("TrackPlan", "%n streams ffmpeg doesn't know were left out.", nullptr, unknown);
    }
    if (converted) {
        plan.warnings << conversionWarning(format, styled);
    }
    if (unrecorded) {
        plan.warnings << QCoreApplication::translate("TrackPlan", "%1 can't record the language or title of every track, so some were left out.")
                             .arg(OutputFormats::displayName(format));
    }
    plan.settle();
    return plan;
}

TrackPlan TrackPlan::leavingOut(const RemuxAttempt &attempt) const
{
    TrackPlan plan = *this;
    plan.covers.removeIf([&attempt](const Cover &cover) { return attempt.leftOutIndexes.contains(cover.source); });
    plan.tracks.removeIf([&attempt](const Track &track) {
        return attempt.leftOutIndexes.contains(track.source) || (attempt.leaveOut && track.kind == Kind::data)
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
    }
    return info;
}

QString TrackPlan::summary() const
{
    return {};
}

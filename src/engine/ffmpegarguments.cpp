#include "engine/ffmpegarguments.h"

namespace FFmpegArguments
{
QString muxerName(OutputFormat format)
{
    // ffmpeg names its muxers like the formats' raw values, but for Matroska.
    return format == OutputFormat::mkv ? QStringLiteral("matroska") : OutputFormats::rawValue(format);
}

namespace
{
QString dispositionOf(const TrackPlan::Track &track)
{
    using Flag = MediaProbe::Flag;
    QStringList names;
    for (const auto &[flag, name] : { std::pair { Flag::isDefault, "default" }, { Flag::forced, "forced" }, { Flag::hearingImpaired, "hearing_impaired" },
             { Flag::visualImpaired, "visual_impaired" }, { Flag::commentary, "comment" }, { Flag::original, "original" } }) {
        if (track.flags.testFlag(flag)) {
            names << QString::fromLatin1(name);
        }
    }
    names << track.otherMarks;
    if (track.attachedPicture) {
        names << QStringLiteral("attached_pic");
    }
    return names.isEmpty() ? QStringLiteral("0") : names.join(u'+');
}

// Each track by its number, then what the plan states of it by its place in the new file.
// Unstated, ffmpeg would mark the first track of a kind default when none is.
void addPlan(QStringList &arguments, const TrackPlan &plan)
{
    for (const TrackPlan::Track &track : plan.tracks) {
        // A side file gives its first stream of the track's kind, wherever that lies in it.
        const QString stream = track.input == 0           ? QString::number(track.source)
            : track.kind == MediaProbe::StreamKind::audio ? QStringLiteral("a:0")
                                                          : QStringLiteral("s:0");
        arguments << QStringLiteral("-map") << QStringLiteral("%1:%2").arg(track.input).arg(stream);
    }
    arguments << QStringLiteral("-c") << QStringLiteral("copy");
    // MP4 and MOV keep a track's title only as its handler name.
    const QString titleKey = plan.format == OutputFormat::mp4 || plan.format == OutputFormat::mov ? QStringLiteral("handler_name=") : QStringLiteral("title=");
    for (qsizetype k = 0; k < plan.tracks.size(); ++k) {
        const TrackPlan::Track &track = plan.tracks[k];
        if (!track.encoder.isEmpty()) {
            arguments << QStringLiteral("-c:%1").arg(k) << track.encoder;
        }
        if (!track.tag.isEmpty()) {
            arguments << QStringLiteral("-tag:%1").arg(k) << track.tag;
        }
        if (track.kind != MediaProbe::StreamKind::video && track.kind != MediaProbe::StreamKind::audio && track.kind != MediaProbe::StreamKind::subtitle) {
            continue;
        }
        arguments << QStringLiteral("-disposition:%1").arg(k) << dispositionOf(track);
        if (!track.language.isEmpty()) {
            arguments << QStringLiteral("-metadata:s:%1").arg(k) << QStringLiteral("language=") + track.language;
        }
        if (!track.title.isEmpty() && TrackPlan::records(plan.format).title) {
            arguments << QStringLiteral("-metadata:s:%1").arg(k) << titleKey + track.title;
        }
    }
    // Attachments are numbered among themselves: the copied ones first, then these.
    auto attachment = std::count_if(plan.tracks.cbegin(), plan.tracks.cend(), [](const auto &t) { return t.kind == MediaProbe::StreamKind::attachment; });
    for (const TrackPlan::Cover &cover : plan.covers) {
        if (!cover.path.isEmpty()) {
            arguments << QStringLiteral("-attach") << cover.path << QStringLiteral("-metadata:s:t:%1").arg(attachment)
                      << QStringLiteral("mimetype=") + cover.mimeType << QStringLiteral("-metadata:s:t:%1").arg(attachment++)
                      << QStringLiteral("filename=") + cover.fileName;
        }
    }
    // Stated, so the chapters never hang on ffmpeg's choice of input; TS has none to write.
    if (!plan.chapterTitles.isEmpty() && plan.format != OutputFormat::mpegts) {
        arguments << QStringLiteral("-map_chapters") << QStringLiteral("0");
    }
    if (!plan.strict.isEmpty()) {
        arguments << QStringLiteral("-strict") << plan.strict;
    }
}
}

QStringList cover(const QUrl &input, const TrackPlan::Cover &cover, const QString &path)
{
    return { QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-nostats"), QStringLiteral("-i"),
        input.toLocalFile(), QStringLiteral("-map"), QStringLiteral("0:%1").arg(cover.source), QStringLiteral("-c"), QStringLiteral("copy"),
        QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-f"), QStringLiteral("image2pipe"), QStringLiteral("-y"), path };
}

QStringList build(const QUrl &input, const QUrl &output, OutputFormat format, const RemuxAttempt &retry, const std::optional<TrackPlan> &plan)
{
    QStringList arguments {
        QStringLiteral("-hide_banner"),
        QStringLiteral("-loglevel"),
        QStringLiteral("error"),
        QStringLiteral("-nostats"),
        QStringLiteral("-progress"),
        QStringLiteral("pipe:1"),
    };
    if (retry.generateTimestamps) {
        arguments << QStringLiteral("-fflags") << QStringLiteral("+genpts");
    }
    arguments << QStringLiteral("-i") << input.toLocalFile();
    // The files beside the video, as inputs 1, 2, …; text in another character set is named
    // before its input, so ffmpeg decodes it into UTF-8. Each is read by the demuxer its name
    // says, never by one its contents ask for.
    for (const SideInput &side : plan ? plan->sideInputs : QList<SideInput>()) {
        if (side.file.kind == SideFiles::Kind::subtitle && !side.encoding.isEmpty()) {
            arguments << QStringLiteral("-sub_charenc") << QString::fromLatin1(side.encoding);
        }
        if (const QString demuxer = SideFiles::demuxerOf(side.file.name); !demuxer.isEmpty()) {
            arguments << QStringLiteral("-f") << demuxer;
        }
        arguments << QStringLiteral("-i") << side.path;
    }
    if (plan) {
        addPlan(arguments, plan->leavingOut(retry));
    } else {
        arguments << QStringLiteral("-map") << QStringLiteral("0");
        if (retry.leaveOut) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:d");
            if (retry.leaveOutAttachments) {
                arguments << QStringLiteral("-map") << QStringLiteral("-0:t");
            }
        }
        for (const int index : retry.leftOutIndexes) {
            arguments << QStringLiteral("-map") << QStringLiteral("-0:%1").arg(index);
        }
        arguments << QStringLiteral("-c") << QStringLiteral("copy");
    }
    if (format == OutputFormat::mp4 || format == OutputFormat::mov) {
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    }
    arguments << QStringLiteral("-f") << muxerName(format) << QStringLiteral("-y") << output.toLocalFile();
    return arguments;
}
}

#include "engine/containertable.h"

#include "engine/remuxchecks.h"

#include <QCoreApplication>
#include <QHash>
#include <array>

using Kind = MediaProbe::StreamKind;
using Flag = MediaProbe::Flag;

namespace ContainerTable
{
namespace
{
constexpr auto Y = Takes::yes, E = Takes::experimental, N = Takes::no;

struct AudioRow {
    const char *codec;
    std::array<Takes, 5> takes; // MKV, MP4, MOV, WebM, TS: the order of OutputFormat
};

// Copied with ffmpeg 5.1 and read back. TS "takes" FLAC, Vorbis, ALAC and PCM only as data
// nobody plays, so those count as refused; MP4 writes no PCM at all.
constexpr std::array audioRows {
    AudioRow { "aac", { Y, Y, Y, N, Y } },
    AudioRow { "ac3", { Y, Y, Y, N, Y } },
    AudioRow { "eac3", { Y, Y, Y, N, Y } },
    AudioRow { "dts", { Y, Y, Y, N, Y } },
    AudioRow { "truehd", { Y, E, N, N, Y } },
    AudioRow { "flac", { Y, E, N, N, N } },
    AudioRow { "opus", { Y, Y, N, Y, Y } },
    AudioRow { "vorbis", { Y, Y, Y, Y, N } },
    AudioRow { "mp3", { Y, Y, Y, N, Y } },
    AudioRow { "alac", { Y, Y, Y, N, N } },
    AudioRow { "pcm_s16le", { Y, N, Y, N, N } },
    AudioRow { "pcm_s24le", { Y, N, Y, N, N } },
};

const QStringList &textSubtitleCodecs()
{
    static const QStringList codecs { QStringLiteral("subrip"), QStringLiteral("srt"), QStringLiteral("ass"), QStringLiteral("ssa"), QStringLiteral("webvtt"),
        QStringLiteral("mov_text"), QStringLiteral("text") };
    return codecs;
}
}

Takes audio(const QString &codec, OutputFormat format)
{
    for (const AudioRow &row : audioRows) {
        if (codec == QLatin1String(row.codec)) {
            return row.takes[size_t(format)];
        }
    }
    // Of what is not measured, only WebM's limit is known: Opus and Vorbis alone.
    return format == OutputFormat::webm ? Takes::no : Takes::yes;
}

QString strictness(Takes takes, const QString &sofar)
{
    if (takes == Takes::experimental || sofar == QLatin1String("experimental")) {
        return QStringLiteral("experimental");
    }
    return takes == Takes::unofficial ? QStringLiteral("unofficial") : sofar;
}

Records records(OutputFormat format)
{
    const MediaProbe::Flags all { Flag::isDefault, Flag::forced, Flag::hearingImpaired, Flag::visualImpaired, Flag::commentary, Flag::original };
    switch (format) {
    case OutputFormat::mkv:
        return { true, true, all, false, false, true, true };
    case OutputFormat::webm:
        return { true, true, { Flag::isDefault, Flag::forced }, false, false, false, true };
    case OutputFormat::mp4:
        return { true, true, all & ~MediaProbe::Flags(Flag::original), true, true, true, true };
    case OutputFormat::mov:
        return { true, true, Flag::isDefault, true, true, false, true };
    case OutputFormat::mpegts:
        return { true, false, { Flag::hearingImpaired, Flag::visualImpaired }, false, false, false, false };
    }
    return {};
}

QString dolbyVisionStrict(OutputFormat format)
{
    return format == OutputFormat::mp4 ? QStringLiteral("unofficial") : QString();
}

QString videoTag(const QString &codec, OutputFormat format)
{
    const bool isoFamily = format == OutputFormat::mp4 || format == OutputFormat::mov;
    return isoFamily && codec == QLatin1String("hevc") ? QStringLiteral("hvc1") : QString();
}

bool isTextSubtitle(const QString &codec)
{
    return textSubtitleCodecs().contains(codec);
}

// MP4 and MOV hold only their own text format, Matroska all but that one, WebM only WebVTT. TS
// holds none, and bitmaps are never converted.
std::optional<Conversion> conversionOf(const QString &codec, OutputFormat format)
{
    if (!isTextSubtitle(codec)) {
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

QString conversionWhy(OutputFormat format)
{
    switch (format) {
    case OutputFormat::mp4:
    case OutputFormat::mov:
        return QCoreApplication::translate("TrackPlan", "Converted to MP4's text format");
    case OutputFormat::webm:
        return QCoreApplication::translate("TrackPlan", "Converted to WebVTT");
    case OutputFormat::mkv:
    case OutputFormat::mpegts:
        break;
    }
    return QCoreApplication::translate("TrackPlan", "Converted to SRT");
}

// Matroska writes cover art as an ordinary one-frame video track and takes no data streams; only
// Matroska holds attachments. A stream of no known type can't be mapped at all. MP4's chapter
// track is never copied: the chapters go as chapters, and MP4 and MOV write that track anew.
bool leftOut(const MediaProbe::Stream &stream, OutputFormat format)
{
    const bool matroska = format == OutputFormat::mkv || format == OutputFormat::webm;
    switch (stream.kind) {
    case Kind::other:
        return true;
    case Kind::data:
        return matroska || stream.chapterTrack;
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

QString technicalWhy(const MediaProbe::Stream &stream, OutputFormat format)
{
    const QString container = OutputFormats::displayName(format);
    switch (stream.kind) {
    case Kind::other:
        return QCoreApplication::translate("TrackPlan", "Unknown to ffmpeg");
    case Kind::data:
        return QCoreApplication::translate("TrackPlan", "Data tracks can't go into %1").arg(container);
    case Kind::attachment:
        return QCoreApplication::translate("TrackPlan", "Attachments can't go into %1").arg(container);
    case Kind::video:
    case Kind::audio:
    case Kind::subtitle:
        break;
    }
    return QCoreApplication::translate("TrackPlan", "This cover art can't go into %1").arg(container);
}

QString codecLabel(const QString &codec)
{
    static const QHash<QString, QString> labels { { QStringLiteral("hdmv_pgs_subtitle"), QStringLiteral("PGS") },
        { QStringLiteral("dvd_subtitle"), QStringLiteral("VobSub") }, { QStringLiteral("dvb_subtitle"), QStringLiteral("DVB") },
        { QStringLiteral("dvb_teletext"), QStringLiteral("Teletext") }, { QStringLiteral("subrip"), QStringLiteral("SRT") },
        { QStringLiteral("webvtt"), QStringLiteral("WebVTT") }, { QStringLiteral("mov_text"), QStringLiteral("MP4 text") },
        { QStringLiteral("truehd"), QStringLiteral("TrueHD") }, { QStringLiteral("eac3"), QStringLiteral("E-AC-3") },
        { QStringLiteral("vorbis"), QStringLiteral("Vorbis") }, { QStringLiteral("opus"), QStringLiteral("Opus") } };
    return labels.value(codec, codec.toUpper());
}

std::pair<QString, QString> refusalOf(Kind kind, const QString &codec, OutputFormat format, const QString &sideName)
{
    const QString container = OutputFormats::displayName(format);
    if (codec.isEmpty()) {
        return { QCoreApplication::translate("TrackPlan", "Can't be read"),
            QCoreApplication::translate("TrackPlan", "%1 can't be read, so it was left out.").arg(sideName) };
    }
    static const QStringList bitmaps { QStringLiteral("hdmv_pgs_subtitle"), QStringLiteral("dvb_subtitle"), QStringLiteral("dvb_teletext"),
        QStringLiteral("xsub") };
    bool refused = false;
    switch (kind == Kind::subtitle ? format : OutputFormat::mkv) {
    case OutputFormat::mpegts:
        refused = isTextSubtitle(codec);
        break;
    case OutputFormat::webm:
        refused = bitmaps.contains(codec) || codec == QLatin1String("dvd_subtitle");
        break;
    case OutputFormat::mp4:
    case OutputFormat::mov:
        refused = bitmaps.contains(codec);
        break;
    case OutputFormat::mkv:
        break;
    }
    if (kind == Kind::audio) {
        refused = audio(codec, format) == Takes::no;
    }
    if (!refused) {
        return {};
    }
    //: Why a track was left out: "PGS subtitles can't go into MP4".
    const QString why = kind == Kind::subtitle ? QCoreApplication::translate("TrackPlan", "%1 subtitles can't go into %2").arg(codecLabel(codec), container)
                                               : QCoreApplication::translate("TrackPlan", "%1 audio can't go into %2").arg(codecLabel(codec), container);
    if (!sideName.isEmpty()) {
        return { why, QCoreApplication::translate("TrackPlan", "%1 can't go into %2, so it was left out.").arg(sideName, container) };
    }
    return { why,
        kind == Kind::subtitle
            ? QCoreApplication::translate("TrackPlan", "%1 subtitles can't go into %2, so they were left out.").arg(codecLabel(codec), container)
            : QCoreApplication::translate("TrackPlan", "%1 audio can't go into %2, so it was left out.").arg(codecLabel(codec), container) };
}
}

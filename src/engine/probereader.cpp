#include "engine/mediaprobe.h"

#include <algorithm>
#include <cmath>
#include <mutex>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/display.h>
#include <libavutil/dovi_meta.h>
#include <libavutil/log.h>
#include <libavutil/pixdesc.h>
}

// The reading half of the media probe, built as a module of its own and loaded on first use:
// linked into the program, libavformat and its hundred libraries would be mapped before the
// first window is shown, for a probe that runs only once a file is added.

namespace
{
// The library would otherwise print its complaints about bad files on our stderr.
void silenceLibraryLog()
{
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
}

MediaProbe::StreamKind kindOf(AVMediaType type)
{
    switch (type) {
    case AVMEDIA_TYPE_VIDEO:
        return MediaProbe::StreamKind::video;
    case AVMEDIA_TYPE_AUDIO:
        return MediaProbe::StreamKind::audio;
    case AVMEDIA_TYPE_SUBTITLE:
        return MediaProbe::StreamKind::subtitle;
    case AVMEDIA_TYPE_DATA:
        return MediaProbe::StreamKind::data;
    case AVMEDIA_TYPE_ATTACHMENT:
        return MediaProbe::StreamKind::attachment;
    default:
        return MediaProbe::StreamKind::other;
    }
}

QString nameOrEmpty(const char *name)
{
    return name && qstrcmp(name, "unknown") != 0 && qstrcmp(name, "unspecified") != 0 ? QString::fromLatin1(name) : QString();
}

MediaProbe::Picture pictureOf(const AVStream *stream)
{
    MediaProbe::Picture picture;
    const AVCodecParameters *parameters = stream->codecpar;
    picture.primaries = nameOrEmpty(av_color_primaries_name(parameters->color_primaries));
    picture.transfer = nameOrEmpty(av_color_transfer_name(parameters->color_trc));
    picture.matrix = nameOrEmpty(av_color_space_name(parameters->color_space));
    if (const uint32_t tag = parameters->codec_tag; tag != 0) {
        const QByteArray fourcc { reinterpret_cast<const char *>(&tag), 4 };
        if (std::all_of(fourcc.cbegin(), fourcc.cend(), [](char c) { return c >= 0x20 && c < 0x7f; })) {
            picture.tag = QString::fromLatin1(fourcc);
        }
    }
    size_t size = 0;
    if (const uint8_t *matrix = av_stream_get_side_data(stream, AV_PKT_DATA_DISPLAYMATRIX, &size); matrix && size >= 9 * sizeof(int32_t)) {
        const double degrees = av_display_rotation_get(reinterpret_cast<const int32_t *>(matrix));
        if (std::isfinite(degrees)) {
            int rounded = int(std::lround(degrees)) % 360;
            rounded = rounded > 180 ? rounded - 360 : (rounded <= -180 ? rounded + 360 : rounded);
            picture.rotation = rounded;
        }
    }
    if (const uint8_t *data = av_stream_get_side_data(stream, AV_PKT_DATA_DOVI_CONF, &size); data && size >= sizeof(AVDOVIDecoderConfigurationRecord)) {
        const auto *dovi = reinterpret_cast<const AVDOVIDecoderConfigurationRecord *>(data);
        picture.dolbyVisionProfile = dovi->dv_profile;
        picture.dolbyVisionLevel = dovi->dv_level;
        picture.dolbyVisionCompatibility = dovi->dv_bl_signal_compatibility_id;
    }
    picture.masteringDisplay = av_stream_get_side_data(stream, AV_PKT_DATA_MASTERING_DISPLAY_METADATA, &size) != nullptr;
    picture.contentLight = av_stream_get_side_data(stream, AV_PKT_DATA_CONTENT_LIGHT_LEVEL, &size) != nullptr;
    return picture;
}
}

namespace
{
// FNV-1a: stable across runs and builds, unlike qHash's seeded one.
quint64 hashOf(const uint8_t *bytes, int size)
{
    quint64 hash = 14695981039346656037ull;
    for (int i = 0; i < size; ++i) {
        hash = (hash ^ bytes[i]) * 1099511628211ull;
    }
    return hash;
}

MediaProbe::Stream::Coding codingOf(const AVStream *stream)
{
    const AVCodecParameters *p = stream->codecpar;
    MediaProbe::Stream::Coding coding;
    coding.profile = p->profile == FF_PROFILE_UNKNOWN ? 0 : p->profile;
    coding.width = p->width;
    coding.height = p->height;
    const AVRational aspect = p->sample_aspect_ratio.num > 0 ? p->sample_aspect_ratio : stream->sample_aspect_ratio;
    coding.aspectNum = aspect.num > 0 ? aspect.num : 0;
    coding.aspectDen = aspect.num > 0 ? aspect.den : 1;
    const AVRational rate = stream->r_frame_rate.num > 0 ? stream->r_frame_rate : stream->avg_frame_rate;
    if (p->codec_type == AVMEDIA_TYPE_VIDEO && rate.num > 0 && rate.den > 0) {
        coding.rateNum = rate.num;
        coding.rateDen = rate.den;
    }
    coding.sampleRate = p->sample_rate;
    if (p->ch_layout.nb_channels > 0) {
        char layout[64] = {};
        av_channel_layout_describe(&p->ch_layout, layout, sizeof layout);
        coding.channelLayout = QString::fromLatin1(layout);
    }
    coding.parameterSets = p->extradata_size > 0 ? hashOf(p->extradata, p->extradata_size) : 0;
    return coding;
}

// Every packet from the file's start, on a context of its own: what was buffered while the streams
// were sought is not counted twice, and no container has to seek back. A stream the first look
// did not list is not counted.
void countPackets(const QString &path, MediaProbe::Info &info, AVPacket *packet, const AVIOInterruptCB &interrupt)
{
    AVFormatContext *context = avformat_alloc_context();
    if (!context) {
        return;
    }
    context->interrupt_callback = interrupt;
    if (avformat_open_input(&context, path.toUtf8().constData(), nullptr, nullptr) < 0) {
        return;
    }
    const auto closeInput = qScopeGuard([&context] { avformat_close_input(&context); });
    QList<std::pair<std::int64_t, std::int64_t>> span(info.streams.size(), { AV_NOPTS_VALUE, AV_NOPTS_VALUE });
    for (auto &stream : info.streams) {
        stream.coding.packets = 0;
    }
    while (av_read_frame(context, packet) >= 0) {
        const int index = packet->stream_index;
        if (index < info.streams.size()) {
            auto &[first, last] = span[index];
            if (packet->pts != AV_NOPTS_VALUE) {
                first = first == AV_NOPTS_VALUE ? packet->pts : std::min(first, packet->pts);
                last = last == AV_NOPTS_VALUE ? packet->pts + packet->duration : std::max(last, packet->pts + packet->duration);
            }
            ++info.streams[index].coding.packets;
        }
        av_packet_unref(packet);
    }
    for (qsizetype i = 0; i < info.streams.size() && i < qsizetype(context->nb_streams); ++i) {
        if (span[i].first != AV_NOPTS_VALUE) {
            info.streams[i].coding.seconds = double(span[i].second - span[i].first) * av_q2d(context->streams[i]->time_base);
        }
    }
}
}

extern "C" Q_DECL_EXPORT void kestrune_read_media(
    const QString &path, int depthValue, MediaProbe::Control *control, const QString &demuxer, std::optional<MediaProbe::Info> *result)
{
    using Control = MediaProbe::Control;
    using Info = MediaProbe::Info;
    using Stream = MediaProbe::Stream;
    using StreamKind = MediaProbe::StreamKind;
    using Depth = MediaProbe::Depth;
    const auto depth = Depth(depthValue);
    *result = [&]() -> std::optional<MediaProbe::Info> {
        silenceLibraryLog();
        if (path.isEmpty()) {
            return std::nullopt;
        }
        AVFormatContext *context = avformat_alloc_context();
        if (!context) {
            return std::nullopt;
        }
        // The library asks this between its reads; each question is a sign of life.
        if (control) {
            context->interrupt_callback = { [](void *opaque) -> int {
                                               auto *c = static_cast<Control *>(opaque);
                                               c->touch();
                                               return c->stop ? 1 : 0;
                                           },
                control };
        }
        AVDictionary *options = nullptr;
        // Enough to find the streams of any container we write; headers carry the rest.
        av_dict_set(&options, "probesize", "1000000", 0);
        av_dict_set(&options, "analyzeduration", "1000000", 0);
        // A demuxer named by the caller reads the file whatever its contents claim to be.
        const AVInputFormat *format = demuxer.isEmpty() ? nullptr : av_find_input_format(demuxer.toLatin1().constData());
        if (!demuxer.isEmpty() && !format) {
            av_dict_free(&options);
            avformat_free_context(context);
            return std::nullopt;
        }
        const int opened = avformat_open_input(&context, path.toUtf8().constData(), format, &options);
        av_dict_free(&options);
        if (opened < 0) {
            return std::nullopt;
        }
        const auto closeInput = qScopeGuard([&context] { avformat_close_input(&context); });
        // The MP4 reader marks the chapter track it turned into chapters as not to be read.
        QList<bool> chapterTracks;
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            const AVStream *stream = context->streams[i];
            chapterTracks << (stream->discard == AVDISCARD_ALL && stream->codecpar->codec_type == AVMEDIA_TYPE_DATA
                && stream->codecpar->codec_id == AV_CODEC_ID_BIN_DATA && context->nb_chapters > 0);
        }
        // Reading packets means decoding a few frames, over 100 ms on a high-bit-rate file; most
        // containers already declare the duration and every stream's kind in their header.
        const auto headerSuffices = [context] {
            if (context->duration == AV_NOPTS_VALUE || context->duration <= 0 || context->nb_streams == 0) {
                return false;
            }
            return std::all_of(context->streams, context->streams + context->nb_streams,
                [](const AVStream *stream) { return stream->codecpar->codec_type != AVMEDIA_TYPE_UNKNOWN; });
        };
        // MPEG-TS names DTS, TrueHD or LATM audio only as private data; the codec shows once packets
        // were read. Data streams and attachments often have no codec at all and are not waited for.
        const bool codecUnknown = std::any_of(context->streams, context->streams + context->nb_streams, [](const AVStream *stream) {
            const AVCodecParameters *parameters = stream->codecpar;
            return parameters->codec_id == AV_CODEC_ID_NONE && parameters->codec_type != AVMEDIA_TYPE_DATA && parameters->codec_type != AVMEDIA_TYPE_ATTACHMENT;
        });
        if (codecUnknown) {
            // ffprobe's limits, the library's own defaults: what is unknown after them stays unknown
            // for players too.
            context->probesize = 5'000'000;
            context->max_analyze_duration = 0;
        }
        // At header depth only the unknown codecs are sought: streams already known are set aside
        // meanwhile, so their frames are not decoded (a quarter of the time on a 720p clip).
        const bool setAside = codecUnknown && depth == Depth::header;
        for (unsigned i = 0; setAside && i < context->nb_streams; ++i) {
            context->streams[i]->discard = context->streams[i]->codecpar->codec_id == AV_CODEC_ID_NONE ? AVDISCARD_DEFAULT : AVDISCARD_ALL;
        }
        const bool framesWanted = depth == Depth::coding || depth == Depth::packets;
        if ((codecUnknown || framesWanted || (depth == Depth::full && !headerSuffices())) && avformat_find_stream_info(context, nullptr) < 0) {
            return std::nullopt;
        }
        for (unsigned i = 0; setAside && i < context->nb_streams; ++i) {
            context->streams[i]->discard = chapterTracks.value(int(i)) ? AVDISCARD_ALL : AVDISCARD_DEFAULT;
        }

        Info info;
        info.formatName = QString::fromLatin1(context->iformat->name);
        if (context->duration != AV_NOPTS_VALUE) {
            const double seconds = static_cast<double>(context->duration) / AV_TIME_BASE;
            if (std::isfinite(seconds) && seconds > 0) {
                info.duration = seconds;
                info.durationEstimated = context->duration_estimation_method == AVFMT_DURATION_FROM_BITRATE;
            }
        }
        if (context->start_time != AV_NOPTS_VALUE) {
            info.start = static_cast<double>(context->start_time) / AV_TIME_BASE;
        }
        info.chapters = int(context->nb_chapters);
        for (unsigned i = 0; i < context->nb_chapters; ++i) {
            const AVDictionaryEntry *title = av_dict_get(context->chapters[i]->metadata, "title", nullptr, 0);
            info.chapterTitles << (title ? QString::fromUtf8(title->value) : QString());
        }
        for (unsigned i = 0; framesWanted && i < context->nb_chapters; ++i) {
            const AVChapter *chapter = context->chapters[i];
            const AVDictionaryEntry *title = av_dict_get(chapter->metadata, "title", nullptr, 0);
            info.chapterList.append({ double(chapter->start) * av_q2d(chapter->time_base), double(chapter->end) * av_q2d(chapter->time_base),
                title ? QString::fromUtf8(title->value) : QString() });
        }
        for (unsigned i = 0; i < context->nb_streams; ++i) {
            const AVStream *stream = context->streams[i];
            const AVCodecParameters *parameters = stream->codecpar;
            const auto tag = [stream](const char *key) {
                const AVDictionaryEntry *entry = av_dict_get(stream->metadata, key, nullptr, 0);
                return entry ? QString::fromUtf8(entry->value) : QString();
            };
            Stream read { kindOf(parameters->codec_type), QString::fromLatin1(avcodec_get_name(parameters->codec_id)), int(i),
                (stream->disposition & AV_DISPOSITION_ATTACHED_PIC) != 0, tag("filename"), tag("language"), tag("title") };
            // MP4 and MOV keep a track's title only as its handler name.
            if (const QString handler = tag("handler_name"); read.title.isEmpty() && !MediaProbe::isDefaultHandlerName(handler)) {
                read.title = handler;
            }
            using Flag = MediaProbe::Flag;
            for (const auto &[bit, flag] : { std::pair { AV_DISPOSITION_DEFAULT, Flag::isDefault }, { AV_DISPOSITION_FORCED, Flag::forced },
                     { AV_DISPOSITION_HEARING_IMPAIRED, Flag::hearingImpaired }, { AV_DISPOSITION_VISUAL_IMPAIRED, Flag::visualImpaired },
                     { AV_DISPOSITION_COMMENT, Flag::commentary }, { AV_DISPOSITION_ORIGINAL, Flag::original } }) {
                read.flags.setFlag(flag, (stream->disposition & bit) != 0);
            }
            constexpr int modelled = AV_DISPOSITION_DEFAULT | AV_DISPOSITION_FORCED | AV_DISPOSITION_HEARING_IMPAIRED | AV_DISPOSITION_VISUAL_IMPAIRED
                | AV_DISPOSITION_COMMENT | AV_DISPOSITION_ORIGINAL | AV_DISPOSITION_ATTACHED_PIC;
            for (int bit = 1; bit > 0; bit <<= 1) {
                if ((stream->disposition & bit & ~modelled) != 0) {
                    if (const char *name = av_disposition_to_string(bit)) {
                        read.otherMarks << QString::fromLatin1(name);
                    }
                }
            }
            read.chapterTrack = chapterTracks.value(int(i));
            if (read.kind == StreamKind::video) {
                read.picture = pictureOf(stream);
            }
            if (framesWanted) {
                read.coding = codingOf(stream);
            }
            info.streams.append(read);
        }
        // The library hands out cover art first, from memory, and some containers store it once more
        // among the samples; a file whose samples are all missing (a fragmented MP4's initialization
        // segment) ends right after it.
        AVPacket *packet = av_packet_alloc();
        for (unsigned read = 0; packet && !info.holdsPackets && read <= 2 * context->nb_streams && av_read_frame(context, packet) >= 0; ++read) {
            info.holdsPackets = (context->streams[packet->stream_index]->disposition & AV_DISPOSITION_ATTACHED_PIC) == 0;
            av_packet_unref(packet);
        }
        if (depth == Depth::packets && packet) {
            countPackets(path, info, packet, context->interrupt_callback);
        }
        av_packet_free(&packet);
        return info;
    }();
}

// For messages of ffmpeg's that give a codec only by its number.
extern "C" Q_DECL_EXPORT void kestrune_codec_name(int codecId, QString *name)
{
    const AVCodecDescriptor *descriptor = avcodec_descriptor_get(AVCodecID(codecId));
    *name = descriptor ? QString::fromLatin1(descriptor->name) : QString();
}

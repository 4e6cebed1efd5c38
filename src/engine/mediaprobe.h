#pragma once

#include <QCoroTask>
#include <QFlags>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

// What the engine needs to know about a media file, read in-process with libavformat. The
// remux itself always runs the ffmpeg program; the library is only used to look at files.
class MediaProbe
{
public:
    enum class StreamKind { video, audio, subtitle, data, attachment, other };

    // The marks a track carries for players; a picture's own mark is `attachedPicture`.
    enum class Flag {
        isDefault = 0x1,
        forced = 0x2,
        hearingImpaired = 0x4,
        visualImpaired = 0x8,
        commentary = 0x10,
        original = 0x20,
    };
    Q_DECLARE_FLAGS(Flags, Flag)

    // What a player shows of a video beyond its frames: how it is turned, its Dolby Vision
    // configuration and its colour. ffmpeg's names for the colour ("bt2020", "arib-std-b67",
    // "bt2020nc"); empty where the file leaves it unspecified.
    struct Picture {
        int rotation = 0; // degrees, as ffprobe shows the display matrix: -90, 90, 180; 0 upright
        int dolbyVisionProfile = -1; // none: no Dolby Vision configuration
        int dolbyVisionLevel = 0;
        int dolbyVisionCompatibility = 0; // the base layer's: 1 HDR10, 2 SDR, 4 HLG; 0 none (profile 5)
        QString primaries;
        QString transfer;
        QString matrix;
        bool masteringDisplay = false;
        bool contentLight = false;
        QString tag; // the sample entry MP4 and MOV name the codec by ("hvc1", "hev1"); empty elsewhere
        bool operator==(const Picture &) const = default;
    };

    struct Stream {
        StreamKind kind = StreamKind::other;
        QString codecName; // libavcodec's short name, e.g. "h264", "subrip"; "none" when unknown
        int index = 0; // the stream's number in the file, as ffmpeg's "0:N" names it
        bool attachedPicture = false; // cover art: a still picture, no part of the film
        QString fileName; // an attachment's name inside the container, e.g. "cover.jpg"
        QString language; // the tag as the container keeps it: "fra", "fre", "en", "sve", …
        QString title; // the title, or in MP4 and MOV the handler name when it is not a default one
        Flags flags;
        // ffmpeg's names of the marks not modelled above ("dub", "karaoke", "captions", …), so
        // they are written back as they were.
        QStringList otherMarks;
        // MP4's text track of chapter titles, shown by the library as a data stream: the chapters
        // themselves, not a track of the film.
        bool chapterTrack = false;
        Picture picture; // a video's
        // How the track was encoded, for joining parts: what must be equal in every part, and
        // what a part holds. Read only at the depths `coding` and `packets`; zero when unknown.
        struct Coding {
            int profile = 0; // libavcodec's number; 0 also when unknown
            int width = 0, height = 0;
            int aspectNum = 0, aspectDen = 1; // the sample aspect ratio
            int rateNum = 0, rateDen = 1; // frames per second
            int sampleRate = 0;
            QString channelLayout; // "stereo", "5.1(side)"
            quint64 parameterSets = 0; // a hash of the codec's set-up bytes (H.264/HEVC SPS, PPS; AAC's config)
            qint64 packets = -1; // counted at `packets` depth only
            double seconds = 0; // the track's own length, at `packets` depth only
            bool operator==(const Coding &) const = default;
        };
        Coding coding;
        bool operator==(const Stream &) const = default;
    };

    struct Info {
        std::optional<double> duration; // seconds; only when positive and finite
        bool durationEstimated = false; // guessed from the size and bit rate, not declared
        QList<Stream> streams; // in file order
        QString formatName; // the demuxer that read it, e.g. "matroska,webm" or "mpegts"
        int chapters = 0;
        bool holdsPackets = false; // at least one packet beyond the cover art could be read
        QStringList chapterTitles; // in order, one per chapter; empty where untitled
        std::optional<double> start; // seconds: the first timestamp, where the container has one
        struct Chapter {
            double start = 0, end = 0; // seconds, on the file's own clock
            QString title;
            bool operator==(const Chapter &) const = default;
        };
        QList<Chapter> chapterList; // read at the depths `coding` and `packets`
    };

    // How far to read. `full` also reads packets when the header leaves the duration or a
    // stream's kind open (MPEG program and transport streams); `header` stops after the header,
    // which declares the streams of most containers we write. Either reads on, as far as ffprobe
    // would, when the header leaves the codec of a video, audio or subtitle stream unknown (DTS
    // or TrueHD audio in MPEG-TS).
    // `coding` always reads a few frames, for what a join compares (profile, frame rate, parameter
    // sets); `packets` also reads the whole file, counting each track's packets and its length.
    enum class Depth { full, header, coding, packets };

    // Shared between a probe's reading thread and whoever waits for it: the library reports
    // each step of its reading here and gives up as soon as `stop` is set.
    struct Control {
        std::atomic<bool> stop = false;
        std::atomic<std::int64_t> lastActivity; // steady-clock nanoseconds
        Control();
        // Inline: the reading module, loaded apart from the program, calls it too.
        void touch() { lastActivity = std::chrono::steady_clock::now().time_since_epoch().count(); }
        [[nodiscard]] std::chrono::nanoseconds idleFor() const;
    };

    // Reads the file at `path`, blocking; none when it cannot be opened as media or `control`
    // stopped it. Safe to call from any thread.
    [[nodiscard]] static std::optional<Info> probeFile(const QString &path, Depth depth = Depth::full, Control *control = nullptr);
    // The same read by ffmpeg's demuxer `demuxer` ("srt", "matroska", …) alone, whatever the
    // file's contents look like; none when there is no such demuxer.
    [[nodiscard]] static std::optional<Info> probeFileAs(const QString &path, const QString &demuxer, Depth depth = Depth::full, Control *control = nullptr);

    // The same on a thread of its own, awaited without blocking the caller's event loop. Gives
    // up, with none, when the reading shows no activity for `stallLimit` or `control->stop` is
    // set. A read that hangs in the kernel keeps only its own thread: nobody ever joins it.
    // `hook` runs on that thread before reading; it lets tests stand in for a stalled source.
    [[nodiscard]] static QCoro::Task<std::optional<Info>> probe(
        QUrl file, Depth depth, std::shared_ptr<Control> control, std::chrono::milliseconds stallLimit, std::function<void(Control &)> hook = {});

    // The input's duration in seconds, positive and finite, or none; never fails. A job reads
    // the duration with the streams in one probe; this is the same read for its duration alone.
    [[nodiscard]] static QCoro::Task<std::optional<double>> probeDuration(QUrl input, std::chrono::milliseconds stallLimit = std::chrono::seconds(30));

    // libavcodec's name of the codec with the number `codecId` ("dvb_teletext" for 94215), or
    // none when it has no such codec or the reading module is missing.
    [[nodiscard]] static QString codecName(int codecId);

    [[nodiscard]] static QString kindName(StreamKind kind);

    // Whether an MP4 or MOV handler name is one a muxer writes by itself ("SoundHandler",
    // "Core Media Audio", …) rather than a title someone gave the track. Inline: the reading
    // module, loaded apart from the program, calls it too. Those muxers name the handler after the
    // kind of the track; nobody titles a track "…Handler".
    [[nodiscard]] static bool isDefaultHandlerName(const QString &name)
    {
        static const QRegularExpression muxerNamed(
            QStringLiteral("handler|^core media |^iso media file produced by |^(video|sound|audio|text|subtitle)$"), QRegularExpression::CaseInsensitiveOption);
        return name.trimmed().isEmpty() || muxerNamed.match(name.trimmed()).hasMatch();
    }
};

Q_DECLARE_OPERATORS_FOR_FLAGS(MediaProbe::Flags)

#pragma once

#include <QCoroTask>
#include <QList>
#include <QString>
#include <QUrl>
#include <optional>

// What the engine needs to know about a media file, read in-process with libavformat. The
// remux itself always runs the ffmpeg program; the library is only used to look at files.
class MediaProbe
{
public:
    enum class StreamKind { video, audio, subtitle, data, attachment, other };

    struct Stream {
        StreamKind kind = StreamKind::other;
        QString codecName; // libavcodec's short name, e.g. "h264", "subrip"; "none" when unknown
        bool operator==(const Stream &) const = default;
    };

    struct Info {
        std::optional<double> duration; // seconds; only when positive and finite
        QList<Stream> streams; // in file order
        QString formatName; // the demuxer that read it, e.g. "matroska,webm" or "mpegts"
    };

    // How far to read. `full` also reads packets when the header leaves the duration or a
    // stream's kind open (MPEG program and transport streams); `header` always stops after the
    // header, which declares the streams of every container we write.
    enum class Depth { full, header };

    // Reads the file at `path`, blocking; none when it cannot be opened as media. Safe to call
    // from any thread.
    [[nodiscard]] static std::optional<Info> probeFile(const QString &path, Depth depth = Depth::full);
    // The same on a worker thread, awaited without blocking the caller's event loop.
    [[nodiscard]] static QCoro::Task<std::optional<Info>> probe(QUrl file, Depth depth = Depth::full);

    [[nodiscard]] static QString kindName(StreamKind kind);
};

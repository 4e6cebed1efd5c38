#include "engine/joinsource.h"

#include "engine/outputnaming.h"

#include <QFileInfo>

namespace
{
bool cutFromStream(const QString &path)
{
    static const QStringList extensions { QStringLiteral("ts"), QStringLiteral("mts"), QStringLiteral("m2ts"), QStringLiteral("vob"), QStringLiteral("mpg"),
        QStringLiteral("mpeg") };
    return extensions.contains(QFileInfo(path).suffix().toLower());
}

// ffmpeg's metadata file escapes these with a backslash.
QByteArray metadataValue(const QString &text)
{
    QByteArray escaped;
    for (const char c : text.toUtf8()) {
        if (c == '=' || c == ';' || c == '#' || c == '\\' || c == '\n') {
            escaped += '\\';
        }
        escaped += c;
    }
    return escaped;
}

// A track's first-frame length, the tolerance of a clock that "runs on".
constexpr double slack = 0.5;
}

JoinSource JoinSource::make(QList<Part> parts)
{
    JoinSource source { std::move(parts), Method::files };
    const bool allStreams
        = source.parts.size() > 1 && std::all_of(source.parts.cbegin(), source.parts.cend(), [](const Part &part) { return cutFromStream(part.path); });
    if (!allStreams || !source.parts.first().info) {
        return source;
    }
    // A later piece that doesn't open, or whose clock goes on from where the previous one ended,
    // was cut from one recording: its first bytes may be the middle of a packet.
    for (qsizetype i = 1; i < source.parts.size(); ++i) {
        const auto &before = source.parts[i - 1].info;
        const auto &piece = source.parts[i].info;
        if (!piece || !piece->start) {
            source.method = Method::byteStream;
            return source;
        }
        if (before && before->start && before->duration && std::abs(*piece->start - (*before->start + *before->duration)) < slack) {
            source.method = Method::byteStream;
            return source;
        }
    }
    return source;
}

bool JoinSource::nameable(const QString &path) const
{
    // The list is read line by line; the byte stream's argument separates pieces with '|'.
    return !path.contains(u'\n') && !path.contains(u'\r') && (method == Method::files || !path.contains(u'|'));
}

QByteArray JoinSource::list(const QStringList &aliases) const
{
    QByteArray text = "ffconcat version 1.0\n";
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString name = i < aliases.size() && !aliases[i].isEmpty() ? aliases[i] : parts[i].path;
        // Quoted whole; a quote ends the quoting, is given escaped, and the quoting goes on.
        QByteArray quoted = QFile::encodeName(name);
        quoted.replace('\'', "'\\''");
        text += "file '" + quoted + "'\n";
    }
    return text;
}

QList<double> JoinSource::starts() const
{
    QList<double> starts;
    double at = 0;
    const double origin = parts.isEmpty() || !parts.first().info ? 0 : parts.first().info->start.value_or(0);
    for (const Part &part : parts) {
        // A piece of a byte stream begins where its clock says; its sound may overlap the previous one's picture.
        if (method == Method::byteStream && part.info && part.info->start) {
            at = *part.info->start - origin;
        }
        starts << at;
        at += part.info ? part.info->duration.value_or(0) : 0;
    }
    return starts;
}

std::optional<double> JoinSource::duration() const
{
    if (method == Method::byteStream && !parts.isEmpty() && parts.last().info && parts.last().info->duration) {
        return starts().last() + *parts.last().info->duration;
    }
    double total = 0;
    for (const Part &part : parts) {
        if (!part.info || !part.info->duration) {
            return std::nullopt;
        }
        total += *part.info->duration;
    }
    return total;
}

QByteArray JoinSource::chapters() const
{
    QByteArray text = ";FFMETADATA1\n";
    const QList<double> at = starts();
    const auto add = [&text](double start, double end, const QString &title) {
        text += "[CHAPTER]\nTIMEBASE=1/1000\nSTART=" + QByteArray::number(qRound64(start * 1000)) + "\nEND=" + QByteArray::number(qRound64(end * 1000))
            + "\ntitle=" + metadataValue(title) + "\n";
    };
    const bool own = std::any_of(parts.cbegin(), parts.cend(), [](const Part &part) { return part.info && !part.info->chapterList.isEmpty(); });
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto &info = parts[i].info;
        const double end = i + 1 < at.size() ? at[i + 1] : at[i] + (info ? info->duration.value_or(0) : 0);
        if (!own) {
            add(at[i], end, OutputNaming::splitExtension(QFileInfo(parts[i].path).fileName()).base);
            continue;
        }
        // The part's clock starts at its first timestamp; in the joined file that moment is at[i].
        const double origin = info ? info->start.value_or(0) : 0;
        for (const MediaProbe::Info::Chapter &chapter : info ? info->chapterList : QList<MediaProbe::Info::Chapter>()) {
            add(at[i] + std::max(0.0, chapter.start - origin), std::min(end, at[i] + chapter.end - origin), chapter.title);
        }
    }
    return text;
}

QString JoinSource::streamUrl() const
{
    return method == Method::byteStream ? QStringLiteral("concat:") + readPaths.join(u'|') : QString();
}

QStringList JoinSource::arguments(QStringList single, const QString &first) const
{
    for (qsizetype i = 0; i + 1 < single.size(); ++i) {
        if (single[i] == QLatin1String("-i") && single[i + 1] == first) {
            QStringList input = method == Method::byteStream
                ? QStringList { QStringLiteral("-i"), streamUrl() }
                : QStringList { QStringLiteral("-f"), QStringLiteral("concat"), QStringLiteral("-safe"), QStringLiteral("0"), QStringLiteral("-i"), listPath };
            if (!chaptersPath.isEmpty()) {
                input << QStringLiteral("-f") << QStringLiteral("ffmetadata") << QStringLiteral("-i") << chaptersPath;
            }
            single.remove(i, 2);
            for (qsizetype k = 0; k < input.size(); ++k) {
                single.insert(i + k, input[k]);
            }
            break;
        }
    }
    // The chapters are input 1 (a join reads no side files); the output's options end with its muxer.
    if (!chaptersPath.isEmpty()) {
        const qsizetype muxer = single.lastIndexOf(QStringLiteral("-f"));
        single.insert(muxer, QStringLiteral("1"));
        single.insert(muxer, QStringLiteral("-map_chapters"));
    }
    return single;
}

MediaProbe::Info JoinSource::joinedInfo() const
{
    MediaProbe::Info info = parts.isEmpty() || !parts.first().info ? MediaProbe::Info {} : *parts.first().info;
    info.duration = duration();
    info.chapters = 0;
    for (qsizetype s = 0; s < info.streams.size(); ++s) {
        qint64 total = 0;
        for (const Part &part : parts) {
            const bool counted = part.info && s < part.info->streams.size() && part.info->streams[s].coding.packets >= 0;
            total = counted && total >= 0 ? total + part.info->streams[s].coding.packets : -1;
        }
        info.streams[s].coding.packets = total;
    }
    return info;
}

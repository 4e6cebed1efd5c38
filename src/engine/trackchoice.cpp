#include "engine/trackchoice.h"

#include "engine/outputnaming.h"
#include "engine/textencoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace
{
// ffmpeg 5.1 garbles SRT and refuses WebVTT written in UTF-16, byte-order mark or not, so such a
// subtitle goes in as a UTF-8 copy. Empty when `path` isn't UTF-16 or the copy can't be made.
QString utf8Copy(const QString &path, const QString &folder, int number)
{
    QFile file(path);
    // A subtitle of this size is no subtitle; ffmpeg may say what it is.
    constexpr qint64 limit = 64 * 1024 * 1024;
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > limit) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto encoding = QStringConverter::encodingForData(bytes);
    if (encoding != QStringConverter::Utf16LE && encoding != QStringConverter::Utf16BE) {
        return {};
    }
    QStringDecoder decode(*encoding);
    const QString text = decode(bytes);
    QFile copy(QDir(folder).filePath(QStringLiteral("side-%1.%2").arg(number).arg(QFileInfo(path).suffix().toLower())));
    if (decode.hasError() || !copy.open(QIODevice::WriteOnly | QIODevice::NewOnly) || copy.write(text.toUtf8()) < 0 || !copy.flush()) {
        return {};
    }
    return copy.fileName();
}

// Text subtitles are known by their extension; reading them as media would say no more.
QString subtitleCodec(const QString &name)
{
    const QString extension = OutputNaming::splitExtension(name).extension.toLower();
    if (extension == QLatin1String("srt")) {
        return QStringLiteral("subrip");
    }
    if (extension == QLatin1String("vtt")) {
        return QStringLiteral("webvtt");
    }
    return extension; // "ass", "ssa": libavcodec's names too
}

SideInput sideInput(const QString &path, const SideFiles::File &file)
{
    SideInput input { path, file, {}, {}, false };
    if (file.kind == SideFiles::Kind::subtitle) {
        input.codec = subtitleCodec(file.name);
        // An unreadable file is left as UTF-8: it may be back by the time it converts, and if
        // not, it is a note then.
        const auto encoding = TextEncoding::ofFile(path);
        if (encoding) {
            input.encoding = encoding->name;
            input.encodingGuessed = encoding->guessed;
        }
        return input;
    }
    const auto info = MediaProbe::probeFile(path, MediaProbe::Depth::header);
    if (info) {
        for (const MediaProbe::Stream &stream : info->streams) {
            if (stream.kind == MediaProbe::StreamKind::audio && stream.codecName != QLatin1String("none")) {
                input.codec = stream.codecName;
                break;
            }
        }
    }
    return input;
}
}

FileTracks FileTracks::read(const QString &path, bool withSideFiles)
{
    return read(path, withSideFiles, nullptr);
}

FileTracks FileTracks::read(const QString &path, bool withSideFiles, std::shared_ptr<SideFiles::Listings> listings)
{
    FileTracks tracks { MediaProbe::probeFile(path, MediaProbe::Depth::full), {} };
    if (!withSideFiles) {
        return tracks;
    }
    if (!listings) {
        listings = std::make_shared<SideFiles::Listings>();
    }
    const QDir folder = QFileInfo(path).absoluteDir();
    for (const SideFiles::File &file : listings->of(path)) {
        tracks.sideFiles.append(sideInput(folder.filePath(file.name), file));
    }
    return tracks;
}

SideInput::Check SideInput::check(const QList<SideInput> &inputs, const QString &scratch)
{
    Check check;
    for (const SideInput &input : inputs) {
        if (!QFileInfo::exists(input.path)) {
            check.gone << input.path;
        } else if (input.file.kind == SideFiles::Kind::subtitle && input.encoding.isEmpty()) {
            if (const QString copy = utf8Copy(input.path, scratch, int(check.copies.size())); !copy.isEmpty()) {
                check.copies.insert(input.path, copy);
            }
        }
    }
    return check;
}

#include "engine/sideinputreader.h"

#include "engine/languagecodes.h"
#include "engine/mediaprobe.h"
#include "engine/textencoding.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace
{
// A subtitle of this size is no subtitle; ffmpeg may say what it is.
constexpr qint64 copyLimit = 64 * 1024 * 1024;

// ffmpeg 5.1 garbles SRT and refuses WebVTT written in UTF-16, byte-order mark or not, so such a
// subtitle goes in as a UTF-8 copy. Empty when `path` isn't UTF-16 or UTF-32 or the copy can't be made.
QString utf8Copy(const QString &path, const QString &folder, int number)
{
    QFile file(path);
    if (folder.isEmpty() || !file.open(QIODevice::ReadOnly) || file.size() > copyLimit) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    const auto encoding = TextEncoding::wideOf(bytes);
    if (!encoding) {
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

// The first stream of `kind` in the side file, read by its extension's demuxer, when it holds
// anything beyond a header.
std::optional<MediaProbe::Stream> firstStream(const QString &path, const QString &name, MediaProbe::StreamKind kind)
{
    const auto info = MediaProbe::probeFileAs(path, SideFiles::demuxerOf(name), MediaProbe::Depth::header);
    if (!info || !info->holdsPackets) {
        return std::nullopt;
    }
    for (const MediaProbe::Stream &stream : info->streams) {
        if (stream.kind == kind && stream.codecName != QLatin1String("none")) {
            return stream;
        }
    }
    return std::nullopt;
}

void readSubtitle(SideInput &input)
{
    QFile file(input.path);
    if (!file.open(QIODevice::ReadOnly)) {
        return;
    }
    const QByteArray head = file.read(TextEncoding::readLimit);
    if (file.error() != QFileDevice::NoError) {
        return;
    }
    if (const auto wide = TextEncoding::wideOf(head)) {
        // ffmpeg reads these only from the UTF-8 copy made when it converts; text is all they
        // need to show here.
        QStringDecoder decode(*wide);
        const QString text = decode(head);
        if (!decode.hasError() && !text.trimmed().isEmpty()) {
            input.codec = input.file.name.endsWith(QLatin1String(".vtt"), Qt::CaseInsensitive) ? QStringLiteral("webvtt")
                : input.file.name.endsWith(QLatin1String(".srt"), Qt::CaseInsensitive)         ? QStringLiteral("subrip")
                                                                                               : QStringLiteral("ass");
        }
        return;
    }
    const TextEncoding::Found encoding = TextEncoding::of(head);
    input.encoding = encoding.name;
    input.encodingGuessed = encoding.guessed;
    if (const auto stream = firstStream(input.path, input.file.name, MediaProbe::StreamKind::subtitle)) {
        input.codec = stream->codecName;
    }
}

void readAudio(SideInput &input)
{
    const auto stream = firstStream(input.path, input.file.name, MediaProbe::StreamKind::audio);
    if (!stream) {
        return;
    }
    input.codec = stream->codecName;
    if (input.file.language == QLocale::AnyLanguage) {
        input.file.language = LanguageCodes::languageOf(stream->language);
    }
    if (input.file.title.isEmpty()) {
        input.file.title = stream->title;
    }
}
}

namespace SideInputReader
{
SideInput read(const QString &path, const SideFiles::File &file)
{
    SideInput input { path, file, {}, {}, false };
    if (file.kind == SideFiles::Kind::subtitle) {
        readSubtitle(input);
    } else {
        readAudio(input);
    }
    return input;
}

Check check(const QList<SideInput> &inputs, const QString &scratch)
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
}

// Declared with the value types; defined here, with the reading it is made of.
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
        tracks.sideFiles.append(SideInputReader::read(folder.filePath(file.name), file));
    }
    return tracks;
}

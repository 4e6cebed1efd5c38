#include "engine/trackchoice.h"

#include "engine/outputnaming.h"
#include "engine/textencoding.h"

#include <QDir>
#include <QFileInfo>

namespace
{
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

#include "engine/trackchoice.h"

#include "engine/sideinputreader.h"

#include <QDir>
#include <QFileInfo>

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

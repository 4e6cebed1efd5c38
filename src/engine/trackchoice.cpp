#include "engine/trackchoice.h"

FileTracks FileTracks::read(const QString &path, bool withSideFiles)
{
    Q_UNUSED(withSideFiles)
    return { MediaProbe::probeFile(path, MediaProbe::Depth::full), {} };
}

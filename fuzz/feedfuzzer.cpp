// Feeds arbitrary bytes to the update feed parser, as an update server (or whoever stands between
// it and the user) could send them. Checks what the update dialog relies on: a damaged feed gives
// an error and no release, every release has a version, only web links survive, and versions
// compare consistently.
#include "app/updatercontroller.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto appcast = UpdaterController::parseAppcast(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!appcast.error.isEmpty() && !appcast.releases.isEmpty())
        std::abort();
    const UpdaterController::Release *previous = nullptr;
    for (const auto &release : appcast.releases) {
        const QString scheme = release.releaseNotesUrl.scheme();
        if (release.version.isEmpty() || release.displayVersion.isEmpty() || !(scheme.isEmpty() || scheme == u"http" || scheme == u"https"))
            std::abort();
        if (UpdaterController::compareVersions(release.version, release.version) != 0)
            std::abort();
        if (previous
            && UpdaterController::compareVersions(previous->version, release.version)
                != -UpdaterController::compareVersions(release.version, previous->version))
            std::abort();
        previous = &release;
    }
    return 0;
}

// Feeds arbitrary bytes to the failure-reason reader as ffmpeg's error text, with an exit code
// taken from the first bytes. Checks what a failed row shows: the exit code and ffmpeg's own
// words always appear, and text without ffmpeg's address prefixes is kept as it was written.
#include "engine/failurereason.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < sizeof(int))
        return 0;
    int exitCode = 0;
    std::memcpy(&exitCode, data, sizeof(int));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data + sizeof(int)), qsizetype(size - sizeof(int)));
    const QString reason = FailureReason::describe(exitCode, text);
    const QString exited = QStringLiteral("ffmpeg exited %1: ").arg(exitCode);
    if (!reason.contains(exited))
        std::abort();
    if (!text.contains(QLatin1String(" @ 0x")) && !reason.endsWith(exited + text.trimmed()))
        std::abort();
    return 0;
}

// Feeds arbitrary bytes to the failure-reason reader as ffmpeg's error text, with an exit code
// taken from the first bytes. Checks what a failed row shows: how ffmpeg ended always appears,
// and the reason is one line, whatever ffmpeg wrote.
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
    const QString ended = exitCode < 0 && exitCode >= -64 ? QStringLiteral("ffmpeg was ended by signal %1 (").arg(-exitCode)
                                                          : QStringLiteral("ffmpeg exited %1: ").arg(exitCode);
    if (!reason.contains(ended) || reason.contains(u'\n'))
        std::abort();
    return 0;
}

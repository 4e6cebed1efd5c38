// Feeds arbitrary bytes to the line splitter and the progress parser, as ffmpeg's standard
// output would arrive. Checks what the window relies on: a fraction is always within 0...1,
// and how the bytes are cut into reads never changes the records.
#include "engine/progressparser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace
{
// The records as text, so that NaN speeds compare equal to themselves.
QString parse(std::optional<double> duration, const QList<QByteArrayView> &reads)
{
    ProgressStream stream(duration);
    QString records;
    QList<ProgressParser::Progress> all;
    for (const QByteArrayView read : reads)
        all << stream.push(read);
    for (const auto &progress : all << stream.finish()) {
        if (progress.fraction && !(*progress.fraction >= 0.0 && *progress.fraction <= 1.0))
            std::abort();
        records += QString::number(progress.fraction.value_or(-1)) + u'/' + QString::number(progress.speed.value_or(-1)) + u' ';
    }
    return records;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the duration and where the stream is cut in two; the rest is output.
    if (size < 2)
        return 0;
    const uint8_t control = data[0];
    const QByteArrayView output(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    static const std::optional<double> durations[] = { std::nullopt, 10.0, 0.0, -1.0, 1e-9, 86400.0, std::nan("") };
    const auto duration = durations[control % std::size(durations)];
    const qsizetype cut = qsizetype(control) % (output.size() + 1);
    if (parse(duration, { output }) != parse(duration, { output.first(cut), output.sliced(cut) }))
        std::abort();
    return 0;
}

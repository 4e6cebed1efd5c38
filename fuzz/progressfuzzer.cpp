// Feeds arbitrary bytes to the line splitter and the progress parser, as ffmpeg's standard
// output would arrive. Checks what the window relies on: a fraction is always within 0...1,
// and how the bytes are cut into reads never changes the lines or the records.
#include "engine/progressparser.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{
using Records = QList<ProgressParser::Progress>;

Records parse(std::optional<double> duration, const QList<QByteArrayView> &reads)
{
    LineSplitter splitter;
    ProgressParser parser(duration);
    Records records;
    const auto feed = [&](const QByteArray &line) {
        if (const auto progress = parser.feedLine(QByteArrayView(line))) {
            if (progress->fraction) {
                const double f = *progress->fraction;
                if (!(f >= 0.0 && f <= 1.0)) {
                    std::abort();
                }
            }
            records.append(*progress);
        }
    };
    for (const QByteArrayView read : reads) {
        for (const QByteArray &line : splitter.push(read)) {
            feed(line);
        }
    }
    if (const auto tail = splitter.finish()) {
        feed(*tail);
    }
    return records;
}

// NaN speeds never compare equal; compare their bit patterns' meaning instead.
bool sameRecords(const Records &a, const Records &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    const auto same = [](const std::optional<double> &x, const std::optional<double> &y) {
        return x.has_value() == y.has_value() && (!x || *x == *y || (std::isnan(*x) && std::isnan(*y)));
    };
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (!same(a[i].fraction, b[i].fraction) || !same(a[i].speed, b[i].speed)) {
            return false;
        }
    }
    return true;
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first byte picks the duration and where the stream is cut in two; the rest is output.
    if (size < 2) {
        return 0;
    }
    const uint8_t control = data[0];
    const QByteArrayView output(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    static const std::optional<double> durations[] = { std::nullopt, 10.0, 0.0, -1.0, 1e-9, 86400.0, std::nan("") };
    const auto duration = durations[control % std::size(durations)];

    const Records whole = parse(duration, { output });
    const qsizetype cut = qsizetype(control) % (output.size() + 1);
    const Records split = parse(duration, { output.first(cut), output.sliced(cut) });
    if (!sameRecords(whole, split)) {
        std::abort();
    }
    return 0;
}

#include "engine/textencoding.h"

#include <QFile>
#include <QStringDecoder>
#include <array>
#include <memory>
#include <uchardet/uchardet.h>

namespace TextEncoding
{
std::optional<QStringConverter::Encoding> wideOf(QByteArrayView text)
{
    using Encoding = QStringConverter::Encoding;
    if (const auto marked = QStringConverter::encodingForData(text)) {
        return *marked == Encoding::Utf8 || *marked == Encoding::Utf16 || *marked == Encoding::Utf32 ? std::nullopt : marked;
    }
    // Zero bytes counted by their place in each group of four; ASCII in UTF-32LE leaves the
    // last three of each group zero, in UTF-16LE the second of each pair, and so on.
    const QByteArrayView sample = text.first(std::min<qsizetype>(text.size(), 4096) & ~qsizetype(3));
    const qsizetype groups = sample.size() / 4;
    if (groups < 4) {
        return std::nullopt;
    }
    std::array<qsizetype, 4> zeros {};
    for (qsizetype i = 0; i < sample.size(); ++i) {
        zeros[i % 4] += sample[i] == '\0';
    }
    const auto all = [groups](qsizetype count) { return count == groups; };
    const auto most = [groups](qsizetype count) { return count * 10 >= groups * 3; };
    const auto few = [groups](qsizetype count) { return count * 50 <= groups; };
    std::optional<Encoding> found;
    if (all(zeros[2]) && all(zeros[3]) && few(zeros[0])) {
        found = Encoding::Utf32LE;
    } else if (all(zeros[0]) && all(zeros[1]) && few(zeros[3])) {
        found = Encoding::Utf32BE;
    } else if (most(zeros[1]) && most(zeros[3]) && few(zeros[0]) && few(zeros[2])) {
        found = Encoding::Utf16LE;
    } else if (most(zeros[0]) && most(zeros[2]) && few(zeros[1]) && few(zeros[3])) {
        found = Encoding::Utf16BE;
    }
    // Read whole pairs or groups only: the sample may end inside a character.
    if (found) {
        QStringDecoder decode(*found);
        const QString decoded = decode(sample.first(sample.size() & ~qsizetype(found == Encoding::Utf32LE || found == Encoding::Utf32BE ? 3 : 1)));
        if (decode.hasError() || decoded.contains(QChar(0))) {
            return std::nullopt;
        }
    }
    return found;
}

Found of(QByteArrayView text)
{
    text = text.first(std::min(text.size(), readLimit));
    if (wideOf(text) || text.isValidUtf8()) {
        return {};
    }
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    QByteArray name;
    if (uchardet_handle_data(detector.get(), text.data(), size_t(text.size())) == 0) {
        uchardet_data_end(detector.get());
        name = uchardet_get_charset(detector.get());
    }
    // "UTF-8" for text that is not quite: cut inside a character at the limit, or a few broken
    // bytes in a UTF-8 file, where reading it as UTF-8 costs only the broken lines. Every other
    // name it gives for text that is not UTF-8 is one glibc's iconv, which ffmpeg converts with,
    // knows.
    if (name == "UTF-8") {
        return {};
    }
    if (name.isEmpty()) {
        return { "WINDOWS-1252", true };
    }
    return { name, false };
}

std::optional<Found> ofFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray text = file.read(readLimit);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return of(text);
}
}

#include "engine/textencoding.h"

#include <QFile>
#include <memory>
#include <uchardet/uchardet.h>

namespace TextEncoding
{
Found of(QByteArrayView text)
{
    text = text.first(std::min(text.size(), readLimit));
    if (text.startsWith("\xFF\xFE") || text.startsWith("\xFE\xFF") || text.isValidUtf8()) {
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

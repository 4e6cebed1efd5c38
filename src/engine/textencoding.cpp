#include "engine/textencoding.h"

#include <QFile>
#include <iconv.h>
#include <memory>
#include <uchardet/uchardet.h>

namespace TextEncoding
{
namespace
{
bool startsWith(QByteArrayView text, QByteArrayView mark)
{
    return text.size() >= mark.size() && text.first(mark.size()) == mark;
}

// Whether `text` is UTF-8; when it was cut at the limit, a character the cut split counts as
// whole, or the first mebibyte of a long UTF-8 file could pass for something else.
bool isUtf8(QByteArrayView text, bool cut)
{
    if (cut) {
        qsizetype start = text.size();
        // Back over at most three continuation bytes to the last character's first byte.
        while (start > 0 && text.size() - start < 4 && (uchar(text[start - 1]) & 0xC0) == 0x80) {
            --start;
        }
        if (start > 0 && uchar(text[start - 1]) >= 0xC0) {
            text = text.first(start - 1);
        }
    }
    return text.isValidUtf8();
}

// Whether ffmpeg's converter knows `name`: the detector also names sets (HZ-GB-2312) that glibc's
// iconv, which ffmpeg uses, lacks.
bool convertible(const QByteArray &name)
{
    const iconv_t converter = iconv_open("UTF-8", name.constData());
    if (converter == iconv_t(-1)) {
        return false;
    }
    iconv_close(converter);
    return true;
}
}

Found of(QByteArrayView text)
{
    const bool cut = text.size() > readLimit;
    text = text.first(std::min(text.size(), readLimit));
    if (startsWith(text, "\xFF\xFE") || startsWith(text, "\xFE\xFF") || isUtf8(text, cut)) {
        return {};
    }
    const std::unique_ptr<std::remove_pointer_t<uchardet_t>, void (*)(uchardet_t)> detector(uchardet_new(), uchardet_delete);
    QByteArray name;
    if (uchardet_handle_data(detector.get(), text.data(), size_t(text.size())) == 0) {
        uchardet_data_end(detector.get());
        name = uchardet_get_charset(detector.get());
    }
    // "UTF-8" for text that is not (a few broken bytes in a UTF-8 file): read as UTF-8, so only
    // the broken lines suffer. "ASCII" or a BOM-less Unicode form for bytes that are not text.
    if (name == "UTF-8") {
        return {};
    }
    if (name.isEmpty() || name == "ASCII" || name.startsWith("UTF-") || !convertible(name)) {
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
    // One byte more than is looked at, so of() knows when the file goes on.
    const QByteArray text = file.read(readLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return of(text);
}
}

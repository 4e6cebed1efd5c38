#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringConverter>
#include <optional>

// The character set of a text subtitle, named as ffmpeg's -sub_charenc (iconv) takes it. Files
// written on another system's code page (Cyrillic in Windows-1251, Japanese in Shift_JIS, …)
// arrive unreadable unless ffmpeg is told what they are; the file itself never says.
namespace TextEncoding
{
struct Found {
    QByteArray name; // empty: UTF-8 (with or without a byte-order mark), or UTF-16 or UTF-32 (wideOf)
    bool guessed = false; // nothing told the set: "WINDOWS-1252", the likeliest for Latin text
    bool operator==(const Found &) const = default;
};

// How much of a file is looked at: a subtitle's first mebibyte tells its set as well as the
// whole, and a stray multi-gigabyte file named ".srt" must not be read whole.
inline constexpr qsizetype readLimit = 1024 * 1024;

// UTF-16 or UTF-32 text, with a byte-order mark or without one: text of this system's own
// editors seldom has one. Told without one by the zero bytes a subtitle's ASCII digits and
// arrows leave in every second or fourth place. None for any other text.
[[nodiscard]] std::optional<QStringConverter::Encoding> wideOf(QByteArrayView text);
// The set of `text`, of which only the first readLimit bytes are looked at.
[[nodiscard]] Found of(QByteArrayView text);
// The same for a file's first readLimit bytes; none when it can't be read.
[[nodiscard]] std::optional<Found> ofFile(const QString &path);
}

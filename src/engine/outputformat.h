#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The target container the user picks. The order of the cases is the order of the format row.
enum class OutputFormat { mkv, mp4, mov, webm, mpegts };

namespace OutputFormats
{
// Every case, in display order.
[[nodiscard]] const QList<OutputFormat> &allCases();

// The raw value doubles as the identifier used by lists.
[[nodiscard]] QString rawValue(OutputFormat format);
[[nodiscard]] QString id(OutputFormat format);

// Exactly the five raw values, compared case-sensitively; anything else gives none.
[[nodiscard]] std::optional<OutputFormat> fromRawValue(const QString &raw);

// What the format row shows: the raw value in capitals, but "TS" for MPEG-TS.
[[nodiscard]] QString displayName(OutputFormat format);

// What an output file is named with: the raw value, but "ts" for MPEG-TS.
[[nodiscard]] QString fileExtension(OutputFormat format);

// The extensions of the files taken as sources, lower case: every format's, then the other video
// containers. Also what tells the videos of a folder from the files beside them.
[[nodiscard]] QStringList acceptedInputExtensions();
}

// Hashing follows the raw value, as equality follows the case.
[[nodiscard]] size_t qHash(OutputFormat format, size_t seed = 0) noexcept;

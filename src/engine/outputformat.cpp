#include "engine/outputformat.h"

#include <QHash>

namespace OutputFormats
{
const QList<OutputFormat> &allCases()
{
    static const QList<OutputFormat> cases { OutputFormat::mkv, OutputFormat::mp4, OutputFormat::mov, OutputFormat::webm, OutputFormat::mpegts };
    return cases;
}

QString rawValue(OutputFormat format)
{
    switch (format) {
    case OutputFormat::mkv:
        return QStringLiteral("mkv");
    case OutputFormat::mp4:
        return QStringLiteral("mp4");
    case OutputFormat::mov:
        return QStringLiteral("mov");
    case OutputFormat::webm:
        return QStringLiteral("webm");
    case OutputFormat::mpegts:
        return QStringLiteral("mpegts");
    }
    Q_UNREACHABLE();
    return {};
}

QString id(OutputFormat format)
{
    return rawValue(format);
}

std::optional<OutputFormat> fromRawValue(const QString &raw)
{
    for (const OutputFormat format : allCases()) {
        if (rawValue(format) == raw) {
            return format;
        }
    }
    return std::nullopt;
}

QString displayName(OutputFormat format)
{
    return format == OutputFormat::mpegts ? QStringLiteral("TS") : rawValue(format).toUpper();
}

QString fileExtension(OutputFormat format)
{
    return format == OutputFormat::mpegts ? QStringLiteral("ts") : rawValue(format);
}

QStringList acceptedInputExtensions()
{
    QStringList extensions;
    for (const OutputFormat format : allCases()) {
        extensions.append(fileExtension(format));
    }
    for (const char *extra : { "avi", "ts", "m4v", "m4a", "3gp", "wmv", "m2ts", "mpg", "mpeg", "flv" }) {
        extensions.append(QString::fromLatin1(extra));
    }
    extensions.removeDuplicates();
    return extensions;
}
}

size_t qHash(OutputFormat format, size_t seed) noexcept
{
    return qHash(OutputFormats::rawValue(format), seed);
}

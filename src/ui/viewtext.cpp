#include "ui/viewtext.h"

#include <QStringList>
#include <array>
#include <charconv>
#include <cmath>

namespace
{
// U+00D7 MULTIPLICATION SIGN, not the letter x.
const QString timesSign = QStringLiteral("\u00D7");

// Nearest whole number, halves away from zero, without grouping. Adding 0.0 turns a negative zero
// (from rounding -0.4) into a plain "0".
QString wholeNumber(double value)
{
    return QString::number(std::round(value) + 0.0, 'f', 0);
}
}

QString ViewText::percent(double fraction)
{
    return wholeNumber(fraction * 100.0) + QLatin1Char('%');
}

QString ViewText::speed(double speed)
{
    // The threshold looks at the raw speed, so 9.96 keeps its decimal and reads "10.0×".
    if (speed >= 10.0) {
        return wholeNumber(speed) + timesSign;
    }
    // printf's "%.1f" rounding, but independent of the process locale: always a full stop.
    std::array<char, 512> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), speed, std::chars_format::fixed, 1);
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data()) + timesSign;
}

QString ViewText::moreFiles(int count)
{
    // English picks its form by the count; each form carries %n so every language gets its own.
    return count == 1 ? tr("%n more file", nullptr, count) : tr("%n more files", nullptr, count);
}

QString ViewText::summary(int converted, int dropped, int failed, int warned)
{
    QStringList phrases;
    if (converted > 0) {
        phrases << (converted == 1 ? tr("%n file converted", nullptr, converted) : tr("%n files converted", nullptr, converted));
    }
    if (dropped > 0) {
        phrases << tr("%n with a dropped track", nullptr, dropped);
    }
    if (warned > 0) {
        phrases << tr("%n with a warning", nullptr, warned);
    }
    if (failed > 0) {
        phrases << tr("%n failed", nullptr, failed);
    }
    if (phrases.isEmpty()) {
        return tr("Nothing to convert");
    }
    return phrases.join(QStringLiteral("  \u00B7  "));
}

ViewText::Tone ViewText::tone(int dropped, int failed, int warned)
{
    if (failed > 0) {
        return Tone::Failure;
    }
    if (dropped > 0 || warned > 0) {
        return Tone::Warning;
    }
    return Tone::Success;
}

QString ViewText::toneSymbol(Tone tone)
{
    switch (tone) {
    case Tone::Failure:
        return QStringLiteral("xmark.octagon.fill");
    case Tone::Warning:
        return QStringLiteral("exclamationmark.triangle.fill");
    case Tone::Success:
        break;
    }
    return QStringLiteral("checkmark.circle.fill");
}

QString ViewText::destination(bool sameAsInput, bool hasDirectory, const QString &directoryPath)
{
    if (sameAsInput) {
        return tr("Same as input");
    }
    if (!hasDirectory) {
        return tr("Choose a folder…");
    }
    return directoryPath;
}

QString ViewText::rowStatus(FileListModel::Status status, bool hasFraction, double fraction, const QString &note, const QString &reason, bool saving)
{
    switch (status) {
    case FileListModel::Converting:
        if (saving) {
            return tr("Saving…");
        }
        return hasFraction ? tr("Converting, %1").arg(percent(fraction)) : tr("Converting");
    case FileListModel::Done:
        return note.isEmpty() ? tr("Converted") : tr("Converted: %1").arg(note);
    case FileListModel::Failed:
        return tr("Failed: %1").arg(reason);
    case FileListModel::Queued:
        break;
    }
    return tr("Queued");
}

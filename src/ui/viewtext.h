#pragma once

#include "queue/filelistmodel.h"

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The user-facing texts the views compose from numbers and model values. Pure functions, so each
// rule is testable without a window; QML reaches them through the singleton's invokables.
class ViewText : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // How a finished batch went, worst outcome first.
    enum class Tone { Success, Warning, Failure };
    Q_ENUM(Tone)

    using QObject::QObject;

    // 0.125 -> "13%": the nearest whole percent, halves away from zero.
    [[nodiscard]] static QString percent(double fraction);
    // 12.5 -> "13×", 9.96 -> "10.0×": whole numbers from 10 up, one decimal below.
    [[nodiscard]] static QString speed(double speed);
    // "1 more file", "4 more files".
    [[nodiscard]] static QString moreFiles(int count);
    // "3 files converted  ·  1 with a dropped track  ·  1 with a warning  ·  2 failed", or
    // "Nothing to convert".
    [[nodiscard]] static QString summary(int converted, int dropped, int failed, int warned = 0);
    // A warning weighs as much as a dropped track; a failure more.
    [[nodiscard]] static Tone tone(int dropped, int failed, int warned = 0);
    [[nodiscard]] static QString toneSymbol(Tone tone);
    // What the destination menu's face reads.
    [[nodiscard]] static QString destination(bool sameAsInput, bool hasDirectory, const QString &directoryPath);
    // A row's status in words, for assistive technologies and the terminal.
    // `saving`: a converting file whose new file is being flushed and named.
    [[nodiscard]] static QString rowStatus(
        FileListModel::Status status, bool hasFraction, double fraction, const QString &note, const QString &reason, bool saving = false);

    Q_INVOKABLE [[nodiscard]] QString percentText(double fraction) const { return percent(fraction); }
    Q_INVOKABLE [[nodiscard]] QString speedText(double value) const { return speed(value); }
    Q_INVOKABLE [[nodiscard]] QString moreFilesText(int count) const { return moreFiles(count); }
    Q_INVOKABLE [[nodiscard]] QString summaryText(int converted, int dropped, int failed, int warned = 0) const
    {
        return summary(converted, dropped, failed, warned);
    }
    Q_INVOKABLE [[nodiscard]] ViewText::Tone summaryTone(int dropped, int failed, int warned = 0) const { return tone(dropped, failed, warned); }
    Q_INVOKABLE [[nodiscard]] QString summarySymbol(int dropped, int failed, int warned = 0) const { return toneSymbol(tone(dropped, failed, warned)); }
    Q_INVOKABLE [[nodiscard]] QString destinationLabel(bool sameAsInput, bool hasDirectory, const QString &directoryPath) const
    {
        return destination(sameAsInput, hasDirectory, directoryPath);
    }
    Q_INVOKABLE [[nodiscard]] QString rowStatusText(int status, const QString &note, const QString &reason, bool saving = false) const
    {
        // Never the live percentage: a screen reader re-reads a row's name each time it changes.
        return rowStatus(FileListModel::Status(status), false, 0, note, reason, saving);
    }
};

#include "queue/fileoutcome.h"

#include <QCoreApplication>

namespace
{
QString droppedTrackNote(OutputFormat format)
{
    return QCoreApplication::translate("RemuxViewModel", "A data track couldn't be copied into %1 and was dropped (timecode usually survives)")
        .arg(OutputFormats::displayName(format));
}

std::optional<QString> sentences(const QStringList &parts)
{
    return parts.isEmpty() ? std::nullopt : std::optional<QString>(InputFile::joinSentences(parts));
}
}

InputFile::FileStatus FileOutcome::done(const FFmpegRunner::RemuxOutcome &outcome, const QUrl &output, OutputFormat format)
{
    QStringList leftOut = outcome.notes;
    if (outcome.droppedDataTracks) {
        leftOut.prepend(droppedTrackNote(format));
    }
    return InputFile::FileStatus::done(outcome.output.isEmpty() ? output : outcome.output, sentences(leftOut), sentences(outcome.warnings));
}

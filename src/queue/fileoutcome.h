#pragma once

#include "engine/ffmpegrunner.h"
#include "engine/outputformat.h"
#include "queue/inputfile.h"

#include <QUrl>

// What a run that wrote its file makes of the file's row.
namespace FileOutcome
{
// What was left out is its note, what arrived changed is its warning, so the summary can count
// the two apart; `output` is where the file was asked for, when the engine names none.
[[nodiscard]] InputFile::FileStatus done(const FFmpegRunner::RemuxOutcome &outcome, const QUrl &output, OutputFormat format);
}

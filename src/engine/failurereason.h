#pragma once

#include <QString>

// What a failed ffmpeg run is shown as: ffmpeg's own words without the addresses of its inner
// objects, and before them a plain sentence when the cause is a common one a user can act on.
// The raw text stays with the error for the hover help.
namespace FailureReason
{
// `exitCode` and `stderrText` as ffmpeg left them, e.g. "ffmpeg exited 1: …" from
// "[matroska @ 0x55e06f8feb00] No wav codec tag found for codec none\n".
[[nodiscard]] QString describe(int exitCode, const QString &stderrText);
}

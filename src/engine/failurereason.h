#pragma once

#include <QString>

// What a failed ffmpeg run is shown as, on one line: the line of ffmpeg's that ended it, without
// the addresses of its inner objects, and before it a plain sentence when the cause is a common
// one a user can act on. The raw text stays with the error.
namespace FailureReason
{
// `exitCode` (a negative one: killed by that signal) and `stderrText` as ffmpeg left them, e.g.
// "ffmpeg exited 1: …" from "[matroska @ 0x55e06f8feb00] No wav codec tag found for codec none\n".
[[nodiscard]] QString describe(int exitCode, const QString &stderrText);
}

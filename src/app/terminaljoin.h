#pragma once

#include "app/terminalrequest.h"

#include <cstdio>

// `kestrune --join --to FMT FILE|FOLDER…`: the parts, in the order given (a folder's files in
// natural order), checked and joined into one new file named after the first part, or with
// --show-tracks the check and the plan, writing nothing. One result line; exit status 0, or 1
// when the parts can't be joined (then nothing is written).
namespace TerminalJoin
{
[[nodiscard]] int run(TerminalRequest request, std::FILE *out);
}

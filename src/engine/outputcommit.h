#pragma once

#include "engine/outputnaming.h"

#include <QString>
#include <optional>

// How a new file comes to its real name: ffmpeg writes into a hidden temporary beside it, and
// only a finished, checked file is moved to a name nothing else holds.
namespace OutputCommit
{
// Creates ".<base>.kestrune-part.<extension>" (or the next free variant) in `folder`,
// exclusively; none with the reason in `error` (an errno value) when that fails.
[[nodiscard]] std::optional<QString> createTemporary(const QString &folder, const OutputNaming::NameParts &name, int *error);

// Moves `from` to `to` only when nothing is at `to`: 0 when moved, EEXIST when `to` is taken,
// another errno value on failure.
[[nodiscard]] int moveWithoutReplacing(const QString &from, const QString &to);
}

#pragma once

#include "engine/trackchoice.h"

#include <QString>
#include <optional>

// A file whose tracks couldn't be read is copied whole, every stream as it is. That is right
// when the user keeps every track, and wrong when their rule picks some: then it fails instead,
// saying why.
namespace UnreadableTracks
{
// Why the file named `name` can't be converted under `choice` without its tracks; none when
// copying it whole is what the choice asks for.
[[nodiscard]] std::optional<QString> refusal(const QString &name, const TrackChoice &choice);
}

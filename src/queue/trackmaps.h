#pragma once

#include "engine/trackplan.h"

#include <QHash>
#include <QString>
#include <QVariantList>
#include <functional>

// A plan's decisions as a row's track list reads them: one map per track (see the list's
// `tracks` role). A track is tickable only where a tick would change what the file gets; `remake`
// makes the plan again with other exceptions, to find out.
namespace TrackMaps
{
using Remake = std::function<TrackPlan(const QHash<QString, bool> &exceptions)>;
[[nodiscard]] QVariantList of(const TrackPlan &plan, const Remake &remake, const QHash<QString, bool> &exceptions);
}

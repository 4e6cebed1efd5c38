#pragma once

#include <QLatin1StringView>

// The application id: the D-Bus name, and the name of the launcher entry, the desktop file and
// the icon. Apart from the shell, so the desktop services it makes can name it without it.
inline constexpr QLatin1StringView kestruneApplicationId { "org.kestrune.Kestrune" };

#pragma once

#include <QString>

namespace TerminalText
{
// `text` safe to print on a terminal: every control character (ESC, CR, the rest of C0, DEL and
// C1) becomes a visible mark, so a file name or a track's title can't move the cursor, clear
// the screen or overwrite the lines above. A line break becomes a blank: one line a file.
[[nodiscard]] QString printable(const QString &text);
}

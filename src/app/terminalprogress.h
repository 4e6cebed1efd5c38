#pragma once

#include <QString>
#include <cstdio>
#include <optional>

// The live line a terminal run redraws while a file is made: a conversion and a join print the
// same one.
namespace TerminalProgress
{
// "name  50%  2.0×", or the name and "Converting" while the share done is unknown.
[[nodiscard]] QString line(const QString &name, std::optional<double> fraction, std::optional<double> speed);
// Draws `text` over the open line, cut to the terminal's width: a wrapped line could not be
// redrawn in place.
void draw(std::FILE *out, const QString &text);
}

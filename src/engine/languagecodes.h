#pragma once

#include "engine/outputformat.h"

#include <QLocale>
#include <QString>

// Language tags compared by what they mean, not how they are spelt: ISO 639-1 ("de"), 639-2/B
// ("ger"), 639-2/T ("deu"), in any case, and the spellings of QuickTime's own table ("sve",
// "hr ") are one language. Each container keeps only some spellings; what it keeps was measured
// with ffmpeg 5.1.
namespace LanguageCodes
{
// The language a tag names; AnyLanguage when it names none ("und", "zxx", "mul", "mis", empty)
// or one Qt does not know.
[[nodiscard]] QLocale::Language languageOf(const QString &code);
// Whether the tag says there is no particular language.
[[nodiscard]] bool meansNoLanguage(const QString &code);
// Whether two tags name the same language (or both none). Unknown tags match only themselves.
[[nodiscard]] bool sameLanguage(const QString &a, const QString &b);

// Whether `format` records `code` spelt exactly so.
[[nodiscard]] bool keeps(OutputFormat format, const QString &code);
// The spelling of `code`'s language that `format` records: the source's own when the container
// keeps it, else the container's form of the same language (MKV, WebM and TS the bibliographic
// code, MP4 the terminological one, MOV its own table's). Empty when there is no language to
// write or the container can't record this one.
[[nodiscard]] QString spellingFor(OutputFormat format, const QString &code);
}

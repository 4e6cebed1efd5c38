#include "engine/languagecodes.h"

#include <QHash>
#include <algorithm>
#include <iterator>

namespace LanguageCodes
{
namespace
{
// The codes of QuickTime's language table, in its order (ffmpeg's MOV muxer writes only these);
// two-letter codes are padded with a blank.
// clang-format off
constexpr const char *quickTimeTable[] = {
    "eng", "fra", "ger", "ita", "dut", "sve", "spa", "dan", "por", "nor", "heb", "jpn", "ara", "fin", "gre", "ice", "mlt", "tur", "hr ",
    "chi", "urd", "hin", "tha", "kor", "lit", "pol", "hun", "est", "lav", "fo ", "rus", "iri", "alb", "ron", "ces", "slk", "slv", "yid",
    "sr ", "mac", "bul", "ukr", "bel", "uzb", "kaz", "aze", "arm", "geo", "mol", "kir", "tgk", "tuk", "mon", "pus", "kur", "kas", "snd",
    "tib", "nep", "san", "mar", "ben", "asm", "guj", "pa ", "ori", "mal", "kan", "tam", "tel", "bur", "khm", "lao", "vie", "ind", "tgl",
    "may", "amh", "tir", "orm", "som", "swa", "run", "mlg", "epo", "wel", "baq", "cat", "lat", "que", "grn", "aym", "tat", "uig", "dzo",
    "jav",
};
// clang-format on

// Codes Qt does not know: QuickTime's own, and ISO codes withdrawn or for a macrolanguage.
const QHash<QString, QLocale::Language> &aliases()
{
    static const QHash<QString, QLocale::Language> table {
        { QStringLiteral("nor"), QLocale::NorwegianBokmal }, // Qt's Norwegian is Bokmål
        { QStringLiteral("no"), QLocale::NorwegianBokmal },
        { QStringLiteral("sve"), QLocale::Swedish },
        { QStringLiteral("iri"), QLocale::Irish },
        { QStringLiteral("mol"), QLocale::Romanian },
        { QStringLiteral("scr"), QLocale::Croatian },
        { QStringLiteral("scc"), QLocale::Serbian },
    };
    return table;
}

// The language's code in `format`'s table, or none.
QString quickTimeCode(QLocale::Language language)
{
    for (const char *code : quickTimeTable) {
        if (languageOf(QString::fromLatin1(code)) == language) {
            return QString::fromLatin1(code);
        }
    }
    return {};
}

bool isLowerAscii(const QString &code, qsizetype length)
{
    return code.size() == length && std::all_of(code.cbegin(), code.cend(), [](QChar c) { return c >= u'a' && c <= u'z'; });
}
}

QLocale::Language languageOf(const QString &code)
{
    const QString key = code.trimmed().toLower();
    if (key.size() < 2 || key.size() > 3 || meansNoLanguage(key)) {
        return QLocale::AnyLanguage;
    }
    if (const auto alias = aliases().constFind(key); alias != aliases().cend()) {
        return *alias;
    }
    // 639-3 too: some languages have no older code (Cantonese is "yue").
    const auto language = QLocale::codeToLanguage(key, QLocale::ISO639Part1 | QLocale::ISO639Part2 | QLocale::ISO639Part3);
    return language == QLocale::C ? QLocale::AnyLanguage : language;
}

bool meansNoLanguage(const QString &code)
{
    static const QStringList none { QStringLiteral("und"), QStringLiteral("zxx"), QStringLiteral("mul"), QStringLiteral("mis") };
    const QString key = code.trimmed().toLower();
    return key.isEmpty() || none.contains(key);
}

bool sameLanguage(const QString &a, const QString &b)
{
    if (meansNoLanguage(a) || meansNoLanguage(b)) {
        return meansNoLanguage(a) == meansNoLanguage(b);
    }
    const QLocale::Language language = languageOf(a);
    return language == QLocale::AnyLanguage ? a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0 : language == languageOf(b);
}

bool keeps(OutputFormat format, const QString &code)
{
    switch (format) {
    case OutputFormat::mov:
        return std::any_of(std::cbegin(quickTimeTable), std::cend(quickTimeTable), [&code](const char *entry) { return code == QLatin1String(entry); });
    case OutputFormat::mkv:
    case OutputFormat::webm:
    case OutputFormat::mp4:
    case OutputFormat::mpegts:
        // MP4 packs three lowercase letters, Matroska and TS take three by their specs; QuickTime's
        // own spellings and withdrawn codes are no ISO code there ("nor" is one).
        return isLowerAscii(code, 3) && (code == QLatin1String("nor") || !aliases().contains(code));
    }
    return false;
}

QString spellingFor(OutputFormat format, const QString &code)
{
    if (meansNoLanguage(code)) {
        return {};
    }
    if (keeps(format, code)) {
        return code;
    }
    const QLocale::Language language = languageOf(code);
    if (language == QLocale::AnyLanguage) {
        // An unknown code is written as it is wherever its spelling fits.
        const QString lowered = code.trimmed().toLower();
        return keeps(format, lowered) ? lowered : QString();
    }
    switch (format) {
    case OutputFormat::mov:
        return quickTimeCode(language);
    case OutputFormat::mp4:
    case OutputFormat::mkv:
    case OutputFormat::webm:
    case OutputFormat::mpegts:
        break;
    }
    const QString code2 = QLocale::languageToCode(language, format == OutputFormat::mp4 ? QLocale::ISO639Part2T : QLocale::ISO639Part2B);
    // A language with no 639-2 code is written by its 639-3 one, three letters all the same.
    return code2.isEmpty() ? QLocale::languageToCode(language, QLocale::ISO639Part3) : code2;
}
}

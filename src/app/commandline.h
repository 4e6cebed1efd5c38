#pragma once

#include <QByteArray>
#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUrl>

class QCommandLineParser;

// The program's command line, read the same way by the window and by a terminal run. Its
// arguments are bytes: a file's name is taken from them exactly, and one that is not valid
// UTF-8 is refused rather than read as a look-alike holding U+FFFD.
namespace CommandLine
{
enum class Mode { window, terminal };

// The options of a terminal run; the window takes them too, to start one.
inline constexpr QLatin1StringView toOption { "to" };
inline constexpr QLatin1StringView outputDirOption { "output-dir" };
inline constexpr QLatin1StringView noKeepDatesOption { "no-keep-dates" };
// Which tracks to keep, as the window's rule says it.
inline constexpr QLatin1StringView langOption { "lang" };
inline constexpr QLatin1StringView audioLangOption { "audio-lang" };
inline constexpr QLatin1StringView subLangOption { "sub-lang" };
inline constexpr QLatin1StringView keepCommentaryOption { "keep-commentary" };
inline constexpr QLatin1StringView ifNoAudioOption { "if-no-audio" };
inline constexpr QLatin1StringView noSideFilesOption { "no-side-files" };
inline constexpr QLatin1StringView keepMainAudioOption { "keep-main-audio" };
inline constexpr QLatin1StringView showTracksOption { "show-tracks" };
inline constexpr QLatin1StringView joinOption { "join" };
// Every option of a terminal run, --to first.
inline constexpr QLatin1StringView terminalOptions[] { toOption, outputDirOption, noKeepDatesOption, langOption, audioLangOption, subLangOption,
    keepCommentaryOption, ifNoAudioOption, noSideFilesOption, keepMainAudioOption, showTracksOption, joinOption };

// What --help shows, in the language installed (English before any is). A terminal run takes
// its own options only; the window also takes those every Qt program takes.
void describe(QCommandLineParser &parser, Mode mode);

// argv as text that gives its bytes back: a byte that is no part of valid UTF-8 (0x80 to 0xFF)
// becomes the lone surrogate U+DC00 + byte, which no valid UTF-8 decodes to.
[[nodiscard]] QStringList arguments(int argc, char **argv);
[[nodiscard]] QByteArray bytes(const QString &argument);

struct Named {
    QList<QUrl> files; // relative names taken from the current folder
    QStringList refused; // why a name was left out, one sentence each
};
// The files and folders named by `arguments` (as arguments() gives them). Read as text only:
// asking the disk whether a name exists would hang the start on a share that stopped answering.
[[nodiscard]] Named namedFiles(const QStringList &arguments);
// A sentence refusing `name` (raw bytes) when it is not valid UTF-8; empty when it is.
[[nodiscard]] QString refusal(const QByteArray &name);
}

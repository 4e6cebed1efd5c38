#include "app/commandline.h"

#include "app/applicationservice.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace CommandLine
{
void describe(QCommandLineParser &parser, Mode mode)
{
    // The texts keep the contexts they were first translated in.
    parser.setApplicationDescription(
        QCoreApplication::translate("KestruneApp", "Puts the streams of video files into another container without re-encoding them."));
    parser.addHelpOption();
    parser.addVersionOption();
    if (mode == Mode::window) {
        parser.addPositionalArgument(QStringLiteral("files"),
            QCoreApplication::translate("KestruneApp", "Video files, or folders of them, to add to the list."),
            QCoreApplication::translate("KestruneApp", "[FILE|FOLDER]..."));
    } else {
        parser.addPositionalArgument(QStringLiteral("files"), QCoreApplication::translate("TerminalConversion", "Video files, or folders of them, to convert."),
            QStringLiteral("[FILE|FOLDER]..."));
    }
    parser.addOption(
        { QString(toOption), QCoreApplication::translate("TerminalConversion", "Convert without a window into <container>: mkv, mp4, mov, webm or ts."),
            QCoreApplication::translate("TerminalConversion", "container") });
    parser.addOption({ QString(outputDirOption),
        QCoreApplication::translate("TerminalConversion", "With --to: write the new files into <folder> instead of beside each source."),
        QCoreApplication::translate("TerminalConversion", "folder") });
    parser.addOption({ QString(noKeepDatesOption),
        QCoreApplication::translate("TerminalConversion", "With --to: give the new files the current date, not their source's.") });
    const QString languages = QCoreApplication::translate("TerminalConversion", "languages");
    parser.addOption({ QString(langOption),
        QCoreApplication::translate("TerminalConversion", "With --to: keep audio and subtitles in <languages> only (codes or names, separated by commas)."),
        languages });
    parser.addOption(
        { QString(audioLangOption), QCoreApplication::translate("TerminalConversion", "With --to: keep audio in <languages> only, or in all."), languages });
    parser.addOption({ QString(subLangOption),
        QCoreApplication::translate("TerminalConversion", "With --to: keep subtitles in <languages> only, in all or in none."), languages });
    parser.addOption({ QString(keepCommentaryOption),
        QCoreApplication::translate("TerminalConversion", "With --to: keep commentary, which a list of languages leaves out.") });
    parser.addOption({ QString(keepMainAudioOption),
        QCoreApplication::translate("TerminalConversion", "With --to: keep each file's main audio too, whatever its language.") });
    parser.addOption({ QString(ifNoAudioOption),
        QCoreApplication::translate("TerminalConversion",
            "With --to: when a file has no audio in those languages, keep-main keeps its main audio (the default), skip leaves the file out."),
        QCoreApplication::translate("TerminalConversion", "choice") });
    parser.addOption({ QString(noSideFilesOption),
        QCoreApplication::translate("TerminalConversion", "With --to: don't add the subtitles and audio found beside each video.") });
    parser.addOption({ QString(showTracksOption),
        QCoreApplication::translate("TerminalConversion", "With --to: list each file's tracks and what would become of them, and write nothing.") });
    parser.addOption({ QString(joinOption),
        QCoreApplication::translate("TerminalJoin", "With --to: join the files, in the order given, into one file named after the first.") });
    if (mode == Mode::terminal) {
        return;
    }
    // Qt's own window-system options stay valid, as every Qt program takes them.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char *name : { "platform", "display", "style", "qwindowgeometry", "qwindowtitle", "qwindowicon" }) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QStringList arguments(int argc, char **argv)
{
    QStringList decoded;
    for (int i = 0; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        if (argument.isValidUtf8()) {
            decoded << QString::fromUtf8(argument);
            continue;
        }
        QString text;
        for (qsizetype at = 0; at < argument.size();) {
            // The shortest valid run from here is one whole character; none is a stray byte.
            qsizetype length = 1;
            while (length <= 4 && at + length <= argument.size() && !argument.sliced(at, length).isValidUtf8()) {
                ++length;
            }
            if (length > 4 || at + length > argument.size()) {
                text += QChar(char16_t(0xDC00 + uchar(argument.at(at))));
                ++at;
            } else {
                text += QString::fromUtf8(argument.sliced(at, length));
                at += length;
            }
        }
        decoded << text;
    }
    return decoded;
}

QByteArray bytes(const QString &argument)
{
    QByteArray raw;
    qsizetype start = 0;
    for (qsizetype i = 0; i < argument.size(); ++i) {
        const char16_t c = argument.at(i).unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && (i == 0 || !argument.at(i - 1).isHighSurrogate())) {
            raw += QStringView(argument).sliced(start, i - start).toUtf8();
            raw += char(c - 0xDC00);
            start = i + 1;
        }
    }
    return raw + QStringView(argument).sliced(start).toUtf8();
}

Named namedFiles(const QStringList &arguments)
{
    Named named;
    for (const QString &argument : arguments) {
        const QUrl url = ApplicationService::urlFrom(bytes(argument));
        const QString refused = url.isLocalFile() ? refusal(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())) : QString();
        if (refused.isEmpty()) {
            named.files << url;
        } else {
            named.refused << refused;
        }
    }
    return named;
}

QString refusal(const QByteArray &name)
{
    if (name.isValidUtf8()) {
        return {};
    }
    return QCoreApplication::translate("CommandLine", "The name %1 isn't valid UTF-8, so it can't be used. Rename it and try again.")
        .arg(QString::fromUtf8(name));
}
}

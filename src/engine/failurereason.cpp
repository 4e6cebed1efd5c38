#include "engine/failurereason.h"

#include "engine/mediaprobe.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <cstring>

namespace FailureReason
{
namespace
{
// ffmpeg opens each line of a component with "[name @ 0x55e06f8feb00] "; the names can hold
// blanks, commas and slashes ("matroska,webm", "graph 0 input from stream 0:0").
QString withoutAddresses(const QString &text)
{
    static const QRegularExpression prefix(QStringLiteral("\\[[^\\[\\]\\n]* @ 0x[0-9a-fA-F]+\\] ?"));
    return QString(text).remove(prefix).trimmed();
}

// The line that ended ffmpeg: the last one that is not merely a consequence ffmpeg reports
// after the cause. Decoder complaints from reading the input come before it.
QString decisiveLine(const QString &words)
{
    static const QRegularExpression consequence(
        QStringLiteral("^(Conversion failed!|Could not write header\\b|Error initializing output stream\\b|Error opening (input|output) files?\\b)"));
    const QStringList lines = words.split(u'\n', Qt::SkipEmptyParts);
    for (auto line = lines.crbegin(); line != lines.crend(); ++line) {
        if (!consequence.match(line->trimmed()).hasMatch()) {
            return line->trimmed();
        }
    }
    return lines.isEmpty() ? QString() : lines.last().trimmed();
}

// ffmpeg names a codec it has no name for by its number ("Subtitle codec 94215 is not
// supported"); libavcodec knows the name.
QString withCodecNames(const QString &line)
{
    static const QRegularExpression number(QStringLiteral("\\bcodec (\\d{4,6})\\b"), QRegularExpression::CaseInsensitiveOption);
    QString named = line;
    const auto match = number.match(line);
    if (match.hasMatch()) {
        const QString name = MediaProbe::codecName(match.captured(1).toInt());
        if (!name.isEmpty()) {
            named.insert(match.capturedEnd(1), QStringLiteral(" (%1)").arg(name));
        }
    }
    return named;
}

// The first cause that fits names the sentence. Encryption comes first: an encrypted stream
// also makes ffmpeg complain about codecs and streams. Its phrases are ffmpeg's own, so a path
// that merely holds the word is no sign of it.
QString plainCause(const QString &text)
{
    static const QRegularExpression encrypted(
        QStringLiteral("decryption key|\\bdecrypt (this|BD)|DRM protected|encrypted (stream|media|mxf|saio|saiz)|File is encrypted|encryption (info|header|"
                       "scheme|key)|activation_bytes"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression noStreams(QStringLiteral("does not contain any stream"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression unknownCodec(QStringLiteral("codec none\\b|unknown codec"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression refusedCodec(
        QStringLiteral("could not find tag for codec (\\w+)|not currently supported in container"), QRegularExpression::CaseInsensitiveOption);
    if (encrypted.match(text).hasMatch()) {
        return QCoreApplication::translate("FailureReason", "The source is encrypted, so it can't be converted.");
    }
    if (noStreams.match(text).hasMatch()) {
        return QCoreApplication::translate("FailureReason", "The source holds no stream that ffmpeg can copy.");
    }
    if (unknownCodec.match(text).hasMatch()) {
        return QCoreApplication::translate("FailureReason", "The source holds a stream in a codec ffmpeg doesn't know, so it can't be copied.");
    }
    if (const auto refused = refusedCodec.match(text); refused.hasMatch()) {
        return refused.captured(1).isEmpty()
            ? QCoreApplication::translate("FailureReason", "The new container can't hold one of the source's streams.")
            : QCoreApplication::translate("FailureReason", "The new container can't hold the source's %1 stream.").arg(refused.captured(1));
    }
    return {};
}
}

QString describe(int exitCode, const QString &stderrText)
{
    const QString words = withoutAddresses(stderrText);
    const QString cause = plainCause(words);
    const QString line = withCodecNames(decisiveLine(words));
    // ffmpeg's own words stay as it wrote them; only the sentence around them is translated.
    // A death by a signal comes as the signal's number, negated; anything else is an exit status.
    const bool signalled = exitCode < 0 && exitCode >= -64;
    const QString ending = signalled ? QCoreApplication::translate("FailureReason", "ffmpeg was ended by signal %1 (%2): %3")
                                           .arg(QString::number(-exitCode), QString::fromLocal8Bit(::sigdescr_np(-exitCode)), line)
                                     : QCoreApplication::translate("FailureReason", "ffmpeg exited %1: %2").arg(QString::number(exitCode), line);
    return (cause.isEmpty() ? QString() : cause + u' ') + ending;
}
}

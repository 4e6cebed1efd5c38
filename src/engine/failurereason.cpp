#include "engine/failurereason.h"

#include <QCoreApplication>
#include <QRegularExpression>

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

// The first cause that fits names the sentence. Encryption comes first: an encrypted stream
// also makes ffmpeg complain about codecs and streams.
QString plainCause(const QString &text)
{
    static const QRegularExpression encrypted(QStringLiteral("encrypt|decryption key|\\bcenc\\b"), QRegularExpression::CaseInsensitiveOption);
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
    // ffmpeg's own words stay as it wrote them; only the sentence around them is translated.
    return (cause.isEmpty() ? QString() : cause + u' ')
        + QCoreApplication::translate("FailureReason", "ffmpeg exited %1: %2").arg(QString::number(exitCode), words);
}
}

#include "engine/remuxchecks.h"

#include "engine/languagecodes.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace RemuxChecks
{
bool isPicture(const MediaProbe::Stream &stream)
{
    return stream.kind == MediaProbe::StreamKind::video && stream.attachedPicture;
}

bool isCoverArt(const MediaProbe::Stream &stream)
{
    static const QRegularExpression name(QStringLiteral("^(small_)?cover(_land)?\\.[^.]+$"), QRegularExpression::CaseInsensitiveOption);
    return isPicture(stream) || (stream.kind == MediaProbe::StreamKind::attachment && name.match(stream.fileName).hasMatch());
}

qsizetype countKind(const MediaProbe::Info &info, MediaProbe::StreamKind kind)
{
    return std::count_if(info.streams.cbegin(), info.streams.cend(), [kind](const MediaProbe::Stream &s) { return s.kind == kind; });
}

QStringList streamsLost(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    QStringList lost;
    for (const auto kind : { MediaProbe::StreamKind::video, MediaProbe::StreamKind::audio, MediaProbe::StreamKind::subtitle }) {
        const auto codecs = [kind](const MediaProbe::Info &info) {
            QStringList names;
            for (const auto &stream : info.streams) {
                if (stream.kind == kind && !stream.attachedPicture) {
                    names.append(stream.codecName);
                }
            }
            return names;
        };
        const QStringList before = codecs(input);
        const QStringList after = codecs(output);
        const qsizetype missing = before.size() - after.size();
        if (missing <= 0) {
            continue;
        }
        // Name the streams whose codec has no counterpart left; when codecs changed names on the
        // way, the last ones of the kind stand in.
        QStringList unmatched = before;
        for (const QString &codec : after) {
            unmatched.removeOne(codec);
        }
        for (const QString &codec : unmatched.last(std::min(missing, unmatched.size()))) {
            lost.append(QCoreApplication::translate("RemuxChecks", "%1 (%2)", "stream kind (codec)").arg(MediaProbe::kindName(kind), codec));
        }
    }
    return lost;
}

QStringList tracksAltered(const MediaProbe::Info &expected, const MediaProbe::Info &output)
{
    const auto media = [](const MediaProbe::Info &info) {
        QList<MediaProbe::Stream> streams;
        for (const auto &stream : info.streams) {
            // Cover art is kept apart: MP4 holds it outside the tracks, with no flags of its own.
            if ((stream.kind == MediaProbe::StreamKind::video || stream.kind == MediaProbe::StreamKind::audio
                    || stream.kind == MediaProbe::StreamKind::subtitle)
                && !stream.attachedPicture) {
                streams.append(stream);
            }
        }
        return streams;
    };
    const QList<MediaProbe::Stream> planned = media(expected);
    const QList<MediaProbe::Stream> arrived = media(output);
    if (planned.size() != arrived.size()) {
        return {};
    }
    int altered = 0;
    for (qsizetype i = 0; i < planned.size(); ++i) {
        const auto &want = planned[i];
        const auto &got = arrived[i];
        altered += want.kind != got.kind || !LanguageCodes::sameLanguage(want.language, got.language) || want.title != got.title || want.flags != got.flags;
    }
    if (altered == 0) {
        return pictureAltered(expected, output);
    }
    return QStringList { altered == 1
            ? QCoreApplication::translate("RemuxChecks", "A track's language, title or flags didn't arrive as they were.")
            : QCoreApplication::translate("RemuxChecks", "%n tracks' languages, titles or flags didn't arrive as they were.", nullptr, altered) }
    + pictureAltered(expected, output);
}

QStringList pictureAltered(const MediaProbe::Info &expected, const MediaProbe::Info &output)
{
    const auto videos = [](const MediaProbe::Info &info) {
        QList<MediaProbe::Picture> pictures;
        for (const auto &stream : info.streams) {
            if (stream.kind == MediaProbe::StreamKind::video && !isPicture(stream)) {
                pictures.append(stream.picture);
            }
        }
        return pictures;
    };
    const QList<MediaProbe::Picture> planned = videos(expected);
    const QList<MediaProbe::Picture> arrived = videos(output);
    QStringList said;
    const auto say = [&said](const QString &sentence) {
        if (!said.contains(sentence)) {
            said << sentence;
        }
    };
    for (qsizetype i = 0; i < std::min(planned.size(), arrived.size()); ++i) {
        const MediaProbe::Picture &want = planned[i];
        const MediaProbe::Picture &got = arrived[i];
        if (want.rotation != got.rotation) {
            say(QCoreApplication::translate("RemuxChecks", "The video's rotation didn't arrive as it was."));
        }
        if ((want.dolbyVisionProfile >= 0) != (got.dolbyVisionProfile >= 0)) {
            say(QCoreApplication::translate("RemuxChecks", "The video's Dolby Vision didn't arrive as planned."));
        }
        if (!want.transfer.isEmpty() && (want.transfer != got.transfer || want.primaries != got.primaries)) {
            say(QCoreApplication::translate("RemuxChecks", "The video's colour tags didn't arrive as they were."));
        }
        if ((want.masteringDisplay && !got.masteringDisplay) || (want.contentLight && !got.contentLight)) {
            say(QCoreApplication::translate("RemuxChecks", "The video's mastering display and light level didn't arrive."));
        }
        if (!want.tag.isEmpty() && want.tag != got.tag) {
            say(QCoreApplication::translate("RemuxChecks", "The video isn't marked %1, so Apple's players may not open it.").arg(want.tag));
        }
    }
    if (expected.chapters > 0 && output.chapters > 0 && output.chapters != expected.chapters) {
        say(QCoreApplication::translate("RemuxChecks", "%1 of %2 chapters arrived.").arg(output.chapters).arg(expected.chapters));
    }
    return said;
}

bool readAsContainer(const MediaProbe::Info &info, OutputFormat format)
{
    const QStringList demuxers = info.formatName.split(u',');
    switch (format) {
    case OutputFormat::mkv:
    case OutputFormat::webm:
        return demuxers.contains(QStringLiteral("matroska")) || demuxers.contains(QStringLiteral("webm"));
    case OutputFormat::mp4:
    case OutputFormat::mov:
        return demuxers.contains(QStringLiteral("mov")) || demuxers.contains(QStringLiteral("mp4"));
    case OutputFormat::mpegts:
        return demuxers.contains(QStringLiteral("mpegts"));
    }
    return false;
}

namespace
{
qsizetype countIf(const MediaProbe::Info &info, bool (*test)(const MediaProbe::Stream &))
{
    return std::count_if(info.streams.cbegin(), info.streams.cend(), test);
}

qsizetype missingCovers(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    return std::max<qsizetype>(0, countIf(input, isCoverArt) - countIf(output, isCoverArt));
}

// Cover art that arrived as an ordinary video track: more film video than the source had.
qsizetype strayCovers(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    const auto filmVideo = [](const MediaProbe::Stream &s) { return s.kind == MediaProbe::StreamKind::video && !s.attachedPicture; };
    return std::clamp<qsizetype>(countIf(output, filmVideo) - countIf(input, filmVideo), 0, missingCovers(input, output));
}

QString seconds(double value)
{
    return QString::number(value, 'f', 1) + QCoreApplication::translate("RemuxChecks", " s", "seconds");
}
}

QStringList notesOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output, OutputFormat format)
{
    const QString container = OutputFormats::displayName(format);
    QStringList notes;
    // Cover art that came out as an ordinary video track was not left out: warningsOnArrival says so.
    if (missingCovers(input, output) > strayCovers(input, output)) {
        notes << QCoreApplication::translate("RemuxChecks", "The cover art couldn't be copied into %1 and was left out.").arg(container);
    }
    // Cover art stored as an attachment counts as cover art, not here.
    const auto attachments = [](const MediaProbe::Info &info) {
        return countIf(info, [](const MediaProbe::Stream &s) { return s.kind == MediaProbe::StreamKind::attachment && !isCoverArt(s); });
    };
    if (const qsizetype lost = attachments(input) - attachments(output); lost > 0) {
        const int count = int(lost);
        notes << (count == 1
                ? QCoreApplication::translate("RemuxChecks", "An attachment (such as a font) couldn't be copied into %1 and was left out.")
                : QCoreApplication::translate("RemuxChecks", "%n attachments (such as fonts) couldn't be copied into %1 and were left out.", nullptr, count))
                     .arg(container);
    }
    if (input.chapters > 0 && output.chapters == 0) {
        notes << QCoreApplication::translate("RemuxChecks", "The chapters couldn't be copied into %1 and were left out.").arg(container);
    }
    return notes;
}

QStringList warningsOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    QStringList warnings;
    if (input.duration && output.duration && !input.durationEstimated) {
        const double shortBy = *input.duration - *output.duration;
        if (shortBy > 1.0 && shortBy > 0.02 * *input.duration) {
            warnings << QCoreApplication::translate("RemuxChecks", "The source seems damaged: it says it lasts %1, but only %2 could be copied.")
                            .arg(seconds(*input.duration), seconds(*output.duration));
        }
    }
    if (strayCovers(input, output) > 0) {
        warnings << QCoreApplication::translate("RemuxChecks", "The cover art arrived as an ordinary video track, so players may show it as a second video.");
    }
    return warnings;
}

std::optional<QString> nothingToConvert(const QString &sourceName, const MediaProbe::Info &input)
{
    if (input.holdsPackets) {
        return std::nullopt;
    }
    return QCoreApplication::translate("RemuxChecks", "%1 holds no audio or video samples, so there is nothing to convert.").arg(sourceName);
}

std::optional<QString> failureOnArrival(const QString &sourceName, const std::optional<MediaProbe::Info> &input, const std::optional<MediaProbe::Info> &output)
{
    if (input) {
        if (auto empty = nothingToConvert(sourceName, *input)) {
            return empty;
        }
    }
    if (!output) {
        return QCoreApplication::translate("RemuxChecks", "The new file can't be read back, so it was not kept.");
    }
    if (input && !output->holdsPackets) {
        return QCoreApplication::translate("RemuxChecks", "The new file holds no audio or video samples, so it was not kept.");
    }
    return std::nullopt;
}
}

#include "engine/remuxchecks.h"

#include <algorithm>

namespace RemuxChecks
{
bool isPicture(const MediaProbe::Stream &stream)
{
    return stream.kind == MediaProbe::StreamKind::video && stream.attachedPicture;
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
            lost.append(QStringLiteral("%1 (%2)").arg(MediaProbe::kindName(kind), codec));
        }
    }
    return lost;
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
QString seconds(double value)
{
    return QString::number(value, 'f', 1) + QStringLiteral(" s");
}
}

QStringList notesOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output, OutputFormat format)
{
    const QString container = OutputFormats::displayName(format);
    QStringList notes;
    const auto pictures = [](const MediaProbe::Info &info) { return std::count_if(info.streams.cbegin(), info.streams.cend(), isPicture); };
    if (pictures(output) < pictures(input)) {
        notes << QStringLiteral("The cover art couldn't be copied into %1 and was left out.").arg(container);
    }
    const auto attachment = MediaProbe::StreamKind::attachment;
    if (const qsizetype lost = countKind(input, attachment) - countKind(output, attachment); lost > 0) {
        notes << (lost == 1 ? QStringLiteral("An attachment (such as a font) couldn't be copied into %1 and was left out.").arg(container)
                            : QStringLiteral("%1 attachments (such as fonts) couldn't be copied into %2 and were left out.").arg(lost).arg(container));
    }
    if (input.chapters > 0 && output.chapters == 0) {
        notes << QStringLiteral("The chapters couldn't be copied into %1 and were left out.").arg(container);
    }
    return notes;
}

QStringList warningsOnArrival(const MediaProbe::Info &input, const MediaProbe::Info &output)
{
    QStringList warnings;
    if (input.duration && output.duration) {
        const double shortBy = *input.duration - *output.duration;
        if (shortBy > 1.0 && shortBy > 0.02 * *input.duration) {
            warnings << QStringLiteral("The source seems damaged: it says it lasts %1, but only %2 could be copied.")
                            .arg(seconds(*input.duration), seconds(*output.duration));
        }
    }
    return warnings;
}
}

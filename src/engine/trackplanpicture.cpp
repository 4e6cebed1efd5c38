#include "engine/remuxchecks.h"
#include "engine/trackplan.h"

#include <QCoreApplication>

using Kind = MediaProbe::StreamKind;

namespace
{
// What a Dolby Vision video shows where its configuration is lost: the picture of its base layer.
QString fallbackOf(const MediaProbe::Picture &picture)
{
    switch (picture.dolbyVisionCompatibility) {
    case 1:
    case 6:
        return QStringLiteral("HDR10");
    case 2:
        return QStringLiteral("SDR");
    case 4:
        return QCoreApplication::translate("TrackPlan", "HDR (HLG)");
    default:
        break;
    }
    if (picture.transfer == QLatin1String("arib-std-b67")) {
        return QCoreApplication::translate("TrackPlan", "HDR (HLG)");
    }
    return picture.transfer == QLatin1String("smpte2084") ? QStringLiteral("HDR10") : QStringLiteral("SDR");
}
}

void TrackPlan::planPictures(const MediaProbe::Info &source)
{
    const Records recorded = records(format);
    const QString container = OutputFormats::displayName(format);
    for (Track &track : tracks) {
        if (track.kind != Kind::video || track.attachedPicture || track.input != 0) {
            continue;
        }
        const auto found = std::find_if(source.streams.cbegin(), source.streams.cend(), [&track](const auto &s) { return s.index == track.source; });
        if (found == source.streams.cend() || RemuxChecks::isPicture(*found)) {
            continue;
        }
        track.tag = ContainerTable::videoTag(track.codec, format);
        MediaProbe::Picture picture = found->picture;
        picture.tag = track.tag;
        if (picture.rotation != 0 && !recorded.rotation) {
            warnings << (std::abs(picture.rotation) == 180
                    ? QCoreApplication::translate("TrackPlan", "%1 can't record that this video is upside down, so players will show it that way.")
                          .arg(container)
                    : QCoreApplication::translate("TrackPlan", "%1 can't record that this video is turned %2°, so players will show it sideways.")
                          .arg(container)
                          .arg(std::abs(picture.rotation)));
            picture.rotation = 0;
        }
        if (picture.dolbyVisionProfile >= 0 && recorded.dolbyVision) {
            strict = ContainerTable::strictness(
                ContainerTable::dolbyVisionStrict(format).isEmpty() ? ContainerTable::Takes::yes : ContainerTable::Takes::unofficial, strict);
        } else if (picture.dolbyVisionProfile >= 0) {
            // Without its configuration a picture with no base layer of its own plays in wrong colours.
            if (picture.dolbyVisionCompatibility == 0 && !skipped) {
                skipped
                    = QCoreApplication::translate("TrackPlan", "%1 can't keep Dolby Vision, and this video plays in wrong colours without it.").arg(container);
            }
            warnings
                << QCoreApplication::translate("TrackPlan", "%1 can't keep Dolby Vision, so this video will play as %2.").arg(container, fallbackOf(picture));
            picture.dolbyVisionProfile = -1;
            picture.dolbyVisionLevel = 0;
            picture.dolbyVisionCompatibility = 0;
        }
        if (!recorded.colour) {
            // Only a reading of the stream itself finds them, which the read-back doesn't do; the
            // mastering display and light level too have no place in such a header.
            picture.primaries = picture.transfer = picture.matrix = QString();
            picture.masteringDisplay = picture.contentLight = false;
        }
        track.recordedPicture = picture;
    }
}

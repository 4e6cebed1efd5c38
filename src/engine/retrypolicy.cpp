#include "engine/retrypolicy.h"

#include "engine/remuxchecks.h"

#include <QCoreApplication>
#include <algorithm>

namespace RetryPolicy
{
const QStringList &dataTrackFailureMarkers()
{
    static const QStringList markers {
        QStringLiteral("not currently supported in container"),
        QStringLiteral("could not write header"),
        QStringLiteral("could not find tag for codec"),
    };
    return markers;
}

const QStringList &missingTimestampMarkers()
{
    static const QStringList markers {
        QStringLiteral("unknown timestamp"),
        QStringLiteral("first pts and dts value must be set"),
        QStringLiteral("timestamps are unset"),
    };
    return markers;
}

namespace
{
bool containsAny(const QString &text, const QStringList &markers)
{
    const QString lowered = text.toLower();
    return std::any_of(markers.cbegin(), markers.cend(), [&lowered](const QString &marker) { return lowered.contains(marker); });
}

QList<int> pictureIndexes(const std::optional<MediaProbe::Info> &streams)
{
    QList<int> indexes;
    for (const auto &stream : streams ? streams->streams : QList<MediaProbe::Stream>()) {
        if (RemuxChecks::isPicture(stream)) {
            indexes.append(stream.index);
        }
    }
    return indexes;
}
}

bool isDataTrackFailure(const QString &errorText)
{
    return containsAny(errorText, dataTrackFailureMarkers());
}

std::optional<Next> next(const QString &errorText, const std::optional<MediaProbe::Info> &streams, const RemuxAttempt &last, int attemptsSoFar)
{
    if (attemptsSoFar >= maxAttempts) {
        return std::nullopt;
    }
    Next next { last };
    if (!last.leaveOut && isDataTrackFailure(errorText)) {
        next.attempt.leaveOut = true;
        const auto kind = [&streams](MediaProbe::StreamKind k) { return streams ? RemuxChecks::countKind(*streams, k) : 0; };
        next.attempt.leaveOutAttachments = kind(MediaProbe::StreamKind::attachment) > 0;
        for (const int index : pictureIndexes(streams)) {
            if (!next.attempt.leftOutIndexes.contains(index)) {
                next.attempt.leftOutIndexes.append(index);
            }
        }
        // The data-track note is owed when data streams go, or when the streams are unknown, or
        // when nothing else left out explains why the retry got through.
        next.dropsDataTracks
            = !streams || kind(MediaProbe::StreamKind::data) > 0 || (!next.attempt.leaveOutAttachments && next.attempt.leftOutIndexes.isEmpty());
        return next;
    }
    if (!last.generateTimestamps && containsAny(errorText, missingTimestampMarkers())) {
        next.attempt.generateTimestamps = true;
        next.warning = QCoreApplication::translate("RetryPolicy", "The source lacks timestamps, so new ones were generated.");
        return next;
    }
    return std::nullopt;
}
}

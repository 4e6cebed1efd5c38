#include "engine/unreadabletracks.h"

#include <QCoreApplication>

namespace UnreadableTracks
{
std::optional<QString> refusal(const QString &name, const TrackChoice &choice)
{
    const TrackRule &rule = choice.rule;
    const bool choosing = !rule.audioLanguages.isEmpty() || rule.subtitles != TrackRule::Subtitles::all || rule.leaveOutCommentary
        || rule.leaveOutAudioDescription || !choice.exceptions.isEmpty();
    if (!choosing) {
        return std::nullopt;
    }
    return QCoreApplication::translate("RemuxJob", "The tracks of %1 couldn't be read, so the tracks you chose can't be picked out.").arg(name);
}
}

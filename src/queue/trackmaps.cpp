#include "queue/trackmaps.h"

#include "engine/languagecodes.h"
#include "engine/trackrule.h"

#include <QCoreApplication>
#include <QVariantMap>

namespace
{
QString kindName(MediaProbe::StreamKind kind)
{
    switch (kind) {
    case MediaProbe::StreamKind::video:
        return QStringLiteral("video");
    case MediaProbe::StreamKind::audio:
        return QStringLiteral("audio");
    case MediaProbe::StreamKind::subtitle:
        return QStringLiteral("subtitle");
    case MediaProbe::StreamKind::data:
        return QStringLiteral("data");
    case MediaProbe::StreamKind::attachment:
        return QStringLiteral("attachment");
    case MediaProbe::StreamKind::other:
        break;
    }
    return QStringLiteral("other");
}

QString marks(MediaProbe::Flags flags)
{
    using Flag = MediaProbe::Flag;
    static const std::pair<Flag, const char *> words[] = {
        { Flag::isDefault, QT_TRANSLATE_NOOP("FileListModel", "Default") },
        { Flag::forced, QT_TRANSLATE_NOOP("FileListModel", "Forced") },
        { Flag::hearingImpaired, QT_TRANSLATE_NOOP("FileListModel", "Hearing impaired") },
        { Flag::commentary, QT_TRANSLATE_NOOP("FileListModel", "Commentary") },
        { Flag::visualImpaired, QT_TRANSLATE_NOOP("FileListModel", "Audio description") },
    };
    QStringList said;
    for (const auto &[flag, word] : words) {
        if (flags.testFlag(flag)) {
            said.append(QCoreApplication::translate("FileListModel", word));
        }
    }
    return said.join(QStringLiteral(" \u00B7 "));
}

// Whether the other tick would be kept: a track the container refuses stays out, video stays in.
bool tickable(const TrackPlan::Decision &decision, const TrackMaps::Remake &remake, QHash<QString, bool> exceptions)
{
    exceptions.insert(decision.key, !decision.kept);
    const TrackPlan other = remake(exceptions);
    const auto same
        = std::find_if(other.decisions.cbegin(), other.decisions.cend(), [&decision](const TrackPlan::Decision &each) { return each.key == decision.key; });
    return same != other.decisions.cend() && same->kept != decision.kept;
}
}

QVariantList TrackMaps::of(const TrackPlan &plan, const Remake &remake, const QHash<QString, bool> &exceptions)
{
    QVariantList list;
    list.reserve(plan.decisions.size());
    for (const TrackPlan::Decision &decision : plan.decisions) {
        const QLocale::Language language = LanguageCodes::languageOf(decision.language);
        const auto written = std::find_if(plan.tracks.cbegin(), plan.tracks.cend(),
            [&decision](const TrackPlan::Track &track) { return track.input == decision.input && track.source == decision.source; });
        const bool converted = decision.kept && written != plan.tracks.cend() && written->codec != decision.codec;
        list.append(QVariantMap {
            { QStringLiteral("key"), decision.key },
            { QStringLiteral("kind"), kindName(decision.kind) },
            { QStringLiteral("languageName"), language == QLocale::AnyLanguage ? QString() : TrackRule::languageName(language) },
            { QStringLiteral("languageCode"), decision.language },
            { QStringLiteral("codec"), decision.codec },
            { QStringLiteral("title"), decision.title },
            { QStringLiteral("marks"), marks(decision.flags) },
            { QStringLiteral("kept"), decision.kept },
            { QStringLiteral("why"), decision.why },
            { QStringLiteral("converted"), converted },
            { QStringLiteral("fromSide"), decision.input > 0 },
            { QStringLiteral("byException"), decision.byException },
            { QStringLiteral("tickable"), tickable(decision, remake, exceptions) },
        });
    }
    return list;
}

#include "app/trackslisting.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace
{
QString kindName(MediaProbe::StreamKind kind)
{
    switch (kind) {
    case MediaProbe::StreamKind::video:
        return QCoreApplication::translate("TerminalConversion", "video");
    case MediaProbe::StreamKind::audio:
        return QCoreApplication::translate("TerminalConversion", "audio");
    case MediaProbe::StreamKind::subtitle:
        return QCoreApplication::translate("TerminalConversion", "subtitles");
    case MediaProbe::StreamKind::data:
        return QCoreApplication::translate("TerminalConversion", "data");
    case MediaProbe::StreamKind::attachment:
        return QCoreApplication::translate("TerminalConversion", "attachment");
    case MediaProbe::StreamKind::other:
        break;
    }
    return QCoreApplication::translate("TerminalConversion", "unknown");
}

QString marksOf(const TrackPlan::Decision &decision)
{
    using Flag = MediaProbe::Flag;
    QStringList marks;
    const std::pair<bool, QString> named[] {
        { decision.flags.testFlag(Flag::isDefault), QCoreApplication::translate("TerminalConversion", "default") },
        { decision.flags.testFlag(Flag::forced), QCoreApplication::translate("TerminalConversion", "forced") },
        { decision.flags.testFlag(Flag::hearingImpaired), QCoreApplication::translate("TerminalConversion", "hearing impaired") },
        { decision.flags.testFlag(Flag::visualImpaired), QCoreApplication::translate("TerminalConversion", "audio description") },
        { decision.flags.testFlag(Flag::commentary), QCoreApplication::translate("TerminalConversion", "commentary") },
        { decision.flags.testFlag(Flag::original), QCoreApplication::translate("TerminalConversion", "original") },
        { decision.attachedPicture, QCoreApplication::translate("TerminalConversion", "cover art") },
    };
    for (const auto &[set, name] : named) {
        if (set) {
            marks << name;
        }
    }
    return marks.isEmpty() ? QString() : u'[' + marks.join(QStringLiteral(", ")) + u']';
}

}

namespace TracksListing
{
QString pictureFacts(const MediaProbe::Picture &picture)
{
    QStringList facts;
    if (picture.rotation != 0) {
        //: A video's line in --show-tracks: "rotated 90°".
        facts << QCoreApplication::translate("TerminalConversion", "rotated %1°").arg(std::abs(picture.rotation));
    }
    if (picture.dolbyVisionProfile >= 0) {
        facts << QStringLiteral("Dolby Vision %1.%2").arg(picture.dolbyVisionProfile).arg(picture.dolbyVisionCompatibility);
    }
    if (picture.transfer == QLatin1String("arib-std-b67")) {
        facts << QCoreApplication::translate("TrackPlan", "HDR (HLG)");
    } else if (picture.transfer == QLatin1String("smpte2084")) {
        facts << QStringLiteral("HDR10");
    }
    // What the picture was mastered for, where the file's header says so.
    if (picture.masteringDisplay) {
        facts << QCoreApplication::translate("TerminalConversion", "mastering display");
    }
    if (picture.contentLight) {
        facts << QCoreApplication::translate("TerminalConversion", "light level");
    }
    return facts.join(QStringLiteral(", "));
}

QStringList lines(const QString &name, const TrackPlan &plan)
{
    QStringList printed;
    const QString summary = plan.summary();
    printed << (summary.isEmpty() ? name : name + QStringLiteral(": ") + summary);
    constexpr int columns = 5;
    QList<std::array<QString, columns + 1>> rows;
    std::array<qsizetype, columns> widths {};
    for (const TrackPlan::Decision &decision : plan.decisions) {
        const bool converted = std::any_of(plan.tracks.cbegin(), plan.tracks.cend(),
            [&](const TrackPlan::Track &track) { return track.input == decision.input && track.source == decision.source && !track.encoder.isEmpty(); });
        const QString status = !decision.kept ? QCoreApplication::translate("TerminalConversion", "left out")
            : decision.input > 0              ? QCoreApplication::translate("TerminalConversion", "added")
            : converted                       ? QCoreApplication::translate("TerminalConversion", "converted")
                                              : QCoreApplication::translate("TerminalConversion", "kept");
        const QString which = decision.input > 0 ? decision.key.section(u':', 1) : decision.key;
        QStringList tail;
        if (!decision.title.isEmpty()) {
            tail << u'"' + decision.title + u'"';
        }
        tail << marksOf(decision) << pictureFacts(decision.picture) << decision.why;
        tail.removeAll(QString());
        rows.append({ status, which, kindName(decision.kind), decision.language.isEmpty() ? QStringLiteral("-") : decision.language, decision.codec,
            tail.join(QStringLiteral("  ")) });
        for (int column = 0; column < columns; ++column) {
            widths[column] = std::max(widths[column], rows.last()[column].size());
        }
    }
    for (const auto &row : std::as_const(rows)) {
        QStringList cells;
        for (int column = 0; column < columns; ++column) {
            cells << row[column].leftJustified(widths[column]);
        }
        printed << QStringLiteral("  ") + (cells << row[columns]).join(QStringLiteral("  ")).trimmed();
    }
    if (!plan.chapterTitles.isEmpty()) {
        printed << QStringLiteral("  ") + QCoreApplication::translate("TerminalConversion", "%n chapters", nullptr, int(plan.chapterTitles.size()));
    }
    QStringList said = plan.notes + plan.warnings;
    if (plan.skipped && *plan.skipped != summary) {
        said.prepend(*plan.skipped);
    }
    for (const QString &sentence : std::as_const(said)) {
        printed << QStringLiteral("  ") + sentence;
    }
    return printed;
}
}

#include "engine/remuxjob.h"

#include "engine/diskcall.h"
#include "engine/joinsource.h"
#include "engine/remuxchecks.h"
#include "engine/sideinputreader.h"
#include "engine/unreadabletracks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// The job's first step: the source and its side files looked at, and the plan made, before
// anything is written.
namespace
{
using namespace RemuxJobSteps;

// The plan again without the side files that went away since the file was added, each named in a note.
TrackPlan planWithout(const MediaProbe::Info &info, OutputFormat format, TrackChoice choice, const QStringList &gone)
{
    choice.sideFiles.removeIf([&gone](const SideInput &input) { return gone.contains(input.path); });
    TrackPlan plan = TrackPlan::make(info, format, choice);
    for (const QString &path : gone) {
        plan.notes << QCoreApplication::translate("RemuxJob", "%1 is no longer beside the video, so it was left out.").arg(QFileInfo(path).fileName());
    }
    return plan;
}
}

QCoro::Task<std::optional<RemuxOutcome>> RemuxJob::prepareInputs(Inputs &in)
{
    // A name that is not valid UTF-8 cannot pass through a QString: its bytes decode to U+FFFD
    // and the path would name another file, or none. Refuse it rather than guess.
    if (QFile::encodeName(m_input.toLocalFile()) != QByteArray::fromPercentEncoding(m_input.path(QUrl::FullyEncoded).toLatin1())) {
        co_return failed(
            QCoreApplication::translate("RemuxJob", "This file's name is not valid UTF-8, so it can't be handed to ffmpeg. Rename it and add it again."));
    }
    // A pipe or a device would be read forever; a missing file is left to ffmpeg's own words.
    bool inputStuck = false;
    auto checking = finished(DiskCall::run(m_input.toLocalFile(), [path = m_input.toLocalFile()] { return OutputCommit::inspectInput(path); }), &inputStuck);
    const auto input = co_await checking;
    if (inputStuck) {
        co_return failed(stoppedAnswering(m_input.fileName()));
    }
    if (!input) {
        co_return Outcome {};
    }
    if (!input->convertible) {
        co_return failed(QCoreApplication::translate("RemuxJob", "%1 isn't a regular file, so it can't be converted.").arg(m_input.fileName()));
    }

    bool stalled = false;
    in.permissions = input->permissions;
    std::optional<MediaProbe::Info> &inputInfo = in.info;
    inputInfo = m_join ? std::optional(m_join->joinedInfo()) : std::nullopt;
    if (!m_join) {
        auto probingInput = probe(m_input, MediaProbe::Depth::full, &stalled);
        inputInfo = co_await probingInput;
    }
    if (m_stopped) {
        co_return Outcome {};
    }
    if (stalled) {
        co_return failed(stoppedAnswering(m_input.fileName()));
    }
    if (inputInfo) {
        if (const auto empty = RemuxChecks::nothingToConvert(m_input.fileName(), *inputInfo)) {
            co_return failed(*empty);
        }
    }
    // The tracks are chosen before anything is made: a file the rule skips leaves nothing behind.
    // Without the source's tracks there is no plan: every stream is copied as it is.
    std::optional<TrackPlan> &plan = in.plan;
    plan = inputInfo ? std::optional(TrackPlan::make(*inputInfo, m_format, m_choice)) : std::nullopt;
    if (const auto refused = inputInfo ? std::nullopt : UnreadableTracks::refusal(m_input.fileName(), m_choice)) {
        co_return failed(*refused);
    }
    // Copies ffmpeg reads instead of a side file, and cover art for MKV, go into a folder that goes
    // with this call.
    if (plan && !plan->sideInputs.isEmpty()) {
        in.scratch.emplace(QDir::temp().filePath(QStringLiteral("kestrune-XXXXXX")));
        bool sidesStuck = false;
        auto looking = finished(
            DiskCall::run(m_input.toLocalFile(),
                [inputs = plan->sideInputs, folder = in.scratch->isValid() ? in.scratch->path() : QString()] { return SideInputReader::check(inputs, folder); }),
            &sidesStuck);
        const auto sides = co_await looking;
        if (sidesStuck) {
            co_return failed(stoppedAnswering(m_input.fileName()));
        }
        if (!sides) {
            co_return Outcome {};
        }
        if (!sides->gone.isEmpty()) {
            plan = planWithout(*inputInfo, m_format, m_choice, sides->gone);
        }
        for (SideInput &side : plan->sideInputs) {
            side.path = sides->copies.value(side.path, side.path);
        }
    }
    if (plan && (plan->skipped || plan->failure)) {
        co_return failed(plan->skipped ? *plan->skipped : *plan->failure);
    }
    co_return std::nullopt;
}

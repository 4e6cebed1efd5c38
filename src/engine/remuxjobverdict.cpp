#include "engine/remuxjob.h"

#include "engine/remuxchecks.h"

#include <QCoreApplication>

// The job's last step before the new file is named: the file read back and held against the plan.
QCoro::Task<std::optional<RemuxOutcome>> RemuxJob::judge(const Inputs &in, QUrl temporary, RemuxAttempt attempt, QStringList &notes, QStringList &warnings)
{
    using namespace RemuxJobSteps;
    const std::optional<MediaProbe::Info> &inputInfo = in.info;
    const std::optional<TrackPlan> &plan = in.plan;
    // ffmpeg exits 0 even when it wrote a stream as private data no player reads back, or
    // silently left something out.
    bool outputStalled = false;
    auto probingOutput = probe(temporary, MediaProbe::Depth::header, &outputStalled);
    const auto outputInfo = co_await probingOutput;
    if (m_stopped) {
        co_return Outcome {};
    }
    // A read that gave up says nothing about the file; one that ended judges it, when the source
    // could be read too (without that there is nothing to hold the new file against).
    std::optional<QString> unfit;
    if (outputStalled) {
        unfit = QCoreApplication::translate(
            "RemuxJob", "The new file of %1 stopped answering while it was checked, so it was not kept. Check that its drive or share is still there.")
                    .arg(m_input.fileName());
    } else if (inputInfo) {
        unfit = RemuxChecks::failureOnArrival(m_input.fileName(), inputInfo, outputInfo);
    }
    if (!unfit && m_join) {
        auto checkingJoin = checkJoined(temporary, plan ? plan->leavingOut(attempt).tracks : QList<TrackPlan::Track>(), &notes);
        unfit = co_await checkingJoin;
        if (m_stopped) {
            co_return Outcome {};
        }
    }
    if (unfit) {
        co_return failed(*unfit);
    }
    if (inputInfo && plan) {
        notes << plan->notes;
        warnings << plan->warnings;
        // Only a file read back as the container that was written tells what it carries; one
        // that libavformat takes for something else was not understood, so there is no verdict.
        // It is held against the plan of the last attempt, not the source: what the container
        // can't record was never meant to arrive.
        if (outputInfo && RemuxChecks::readAsContainer(*outputInfo, m_format)) {
            const MediaProbe::Info expected = plan->leavingOut(attempt).expected();
            if (const QStringList lost = RemuxChecks::streamsLost(expected, *outputInfo); !lost.isEmpty()) {
                co_return failed(RunError::streamsNotCarried(lost, m_format));
            }
            notes << RemuxChecks::notesOnArrival(*inputInfo, *outputInfo, m_format);
            warnings << RemuxChecks::warningsOnArrival(*inputInfo, *outputInfo) << RemuxChecks::tracksAltered(expected, *outputInfo);
        }
    }
    co_return std::nullopt;
}

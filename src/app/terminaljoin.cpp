#include "app/terminaljoin.h"

#include "app/terminalprogress.h"
#include "app/unixsignals.h"
#include "engine/ffmpegrunner.h"
#include "engine/joinjob.h"
#include "engine/outputnaming.h"
#include "engine/trackplan.h"
#include "queue/sourcecollector.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QFileInfo>
#include <QtConcurrent>
#include <unistd.h>

namespace
{
void printJoin(std::FILE *out, const QString &line)
{
    std::fprintf(out, "%s\n", qPrintable(line));
    std::fflush(out);
}

void joinError(const QString &message)
{
    std::fprintf(stderr, "kestrune: %s\n", qPrintable(message));
}

// The check and the plan, as --show-tracks lists them for a join.
void printJoinPlan(std::FILE *out, const JoinJob::Checked &checked, const TrackPlan &plan)
{
    const bool stream = checked.source.method == JoinSource::Method::byteStream;
    // Counts go to translate() as plain names: lupdate's parser loops on a call in that place.
    const int count = int(checked.source.parts.size());
    printJoin(out,
        stream ? QCoreApplication::translate("TerminalJoin", "%n parts, read as one recording:", nullptr, count)
               : QCoreApplication::translate("TerminalJoin", "%n parts, joined one after the other:", nullptr, count));
    const QList<double> starts = checked.source.starts();
    for (qsizetype i = 0; i < checked.source.parts.size(); ++i) {
        printJoin(out, QStringLiteral("  %1. %2 (%3 s)").arg(i + 1).arg(QFileInfo(checked.source.parts[i].path).fileName()).arg(starts[i], 0, 'f', 2));
    }
    printJoin(out, QCoreApplication::translate("TerminalJoin", "Tracks, from part 1:"));
    for (const TrackPlan::Decision &decision : plan.decisions) {
        const QString what = QStringLiteral("%1 %2 %3").arg(MediaProbe::kindName(decision.kind), decision.codec, decision.language).trimmed();
        printJoin(out,
            QStringLiteral("  %1 %2%3")
                .arg(
                    decision.kept ? QStringLiteral("+") : QStringLiteral("-"), what, decision.why.isEmpty() ? QString() : QStringLiteral(": ") + decision.why));
    }
}
}

namespace TerminalJoin
{
int run(TerminalRequest request, std::FILE *out)
{
    for (const QString &reason : request.refused) {
        joinError(reason);
    }
    // Cameras and discs name their pieces so too.
    const QStringList extensions = OutputFormats::acceptedInputExtensions() << QStringLiteral("mts") << QStringLiteral("vob");
    const QSet<QString> accepted(extensions.cbegin(), extensions.cend());
    const SourceCollector::Collected collected = SourceCollector::collect(request.sources, accepted);
    const QList<QUrl> parts = collected.files;
    if (!request.refused.isEmpty() || !collected.refused.isEmpty() || !collected.notLocal.isEmpty() || parts.size() < 2) {
        joinError(QCoreApplication::translate("TerminalJoin", "Name at least two video files, or a folder of them, to join."));
        return TerminalRequest::failedStatus;
    }
    // Found where a conversion finds it: beside the program first.
    const auto installed = FFmpegRunner(FFmpegRunner::Locations::platformDefault()).locateFFmpeg();
    if (!installed && !request.showTracks) {
        joinError(RunError::ffmpegNotFound().errorDescription());
        return TerminalRequest::failedStatus;
    }
    const QString first = parts.first().fileName();
    const int more = int(parts.size() - 1);
    if (request.showTracks) {
        const JoinJob::Checked checked = JoinJob::check(parts);
        if (checked.unreadable || checked.refusal) {
            printJoin(
                out, checked.unreadable ? *checked.unreadable : QStringLiteral("%1: %2").arg(parts[checked.refusal->part].fileName(), checked.refusal->reason));
            return TerminalRequest::failedStatus;
        }
        TrackChoice choice;
        choice.rule = request.rule;
        printJoinPlan(out, checked, TrackPlan::make(checked.source.joinedInfo(), request.format, choice));
        return 0;
    }
    const QString folder = request.outputDirectory.isEmpty() ? QFileInfo(parts.first().toLocalFile()).path() : request.outputDirectory;
    const QString output = OutputNaming::freePath(folder, OutputNaming::splitExtension(first).base, OutputFormats::fileExtension(request.format));
    TrackChoice choice;
    choice.rule = request.rule;
    // The live line a conversion prints, redrawn on a terminal and gone before the result's line.
    bool lineOpen = false;
    ProgressHandler progress;
    if (::isatty(::fileno(out)) == 1) {
        progress = [out, first, &lineOpen](const ProgressParser::Progress &now) {
            TerminalProgress::draw(out, TerminalProgress::line(first, now.fraction, now.speed));
            lineOpen = true;
        };
    }
    JoinJob job({ *installed, std::chrono::seconds(30), {}, request.keepDates }, parts, QUrl::fromLocalFile(output), request.format, progress, choice);
    std::optional<RemuxOutcome> outcome;
    QCoro::connect(job.run(), &job, [&outcome](RemuxOutcome result) {
        outcome = std::move(result);
        QCoreApplication::quit();
    });
    // A caught SIGPIPE, unlike an ignored one, is not handed on to ffmpeg.
    UnixSignals::quitOnTermination(UnixSignals::Output::mayClose);
    QCoreApplication::exec();
    if (lineOpen) {
        std::fprintf(out, "\r\033[K");
    }
    if (const int signal = UnixSignals::received(); signal != 0) {
        // As Stop: the run ends and takes its temporary with it before the program does.
        job.stop();
        if (!outcome) {
            QCoreApplication::exec();
        }
        return 128 + signal;
    }
    if (!outcome || !outcome->succeeded()) {
        printJoin(out,
            QCoreApplication::translate("TerminalJoin", "%1 and %n more: Not joined: %2", nullptr, more)
                .arg(first, outcome && outcome->error ? outcome->error->errorDescription() : RunError::stopped().errorDescription()));
        return TerminalRequest::failedStatus;
    }
    printJoin(out, QCoreApplication::translate("TerminalJoin", "%1 and %n more → %2: Joined", nullptr, more).arg(first, outcome->output.fileName()));
    for (const QString &note : outcome->notes + outcome->warnings) {
        printJoin(out, QStringLiteral("  ") + note);
    }
    return 0;
}
}

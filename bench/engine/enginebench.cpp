// Times FFmpegRunner::remux against its floor: `cp` of the same file (the disk's limit), the
// very same ffmpeg argument vector run bare (spawn and wait, nothing read), and, for context,
// mkvmerge writing the same MKV. Rounds are interleaved so drift on the machine hits every
// contender alike. A second series measures what remux adds per file on a short clip.
//
//   enginebench --large FILE --clip FILE --work DIR [--rounds N] [--clip-rounds N] [--mkvmerge PATH]
//
// The track plan and its arguments for a file of 40 tracks are timed first; that needs no files.
#include "engine/ffmpegrunner.h"
#include "engine/mediaprobe.h"
#include "engine/outputcommit.h"
#include "engine/remuxchecks.h"
#include "engine/sidefiles.h"
#include "engine/trackplan.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <map>
#include <numeric>
#include <random>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace
{
QTextStream out(stdout);

// Runs a program with stdout and stderr on /dev/null and waits; the fastest honest way to run it.
bool spawnAndWait(const QString &program, const QStringList &arguments)
{
    QList<QByteArray> storage { QFile::encodeName(program) };
    for (const QString &argument : arguments) {
        storage << argument.toUtf8();
    }
    std::vector<char *> argv;
    for (QByteArray &item : storage) {
        argv.push_back(item.data());
    }
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        return false;
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Series {
    QList<double> seconds;
    [[nodiscard]] double median() const
    {
        QList<double> sorted = seconds;
        std::sort(sorted.begin(), sorted.end());
        const qsizetype n = sorted.size();
        return n == 0 ? 0.0 : (n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2);
    }
    [[nodiscard]] double min() const { return *std::min_element(seconds.cbegin(), seconds.cend()); }
    [[nodiscard]] double max() const { return *std::max_element(seconds.cbegin(), seconds.cend()); }
};

using Contender = std::function<bool()>;

// CPU time of this process (its event loop and probe threads) plus every child waited for. On a
// busy machine wall times swing with the neighbours' load; the work done does not.
double cpuSeconds(bool withChildren = true)
{
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    rusage self {};
    rusage children {};
    getrusage(RUSAGE_SELF, &self);
    getrusage(RUSAGE_CHILDREN, &children);
    return seconds(self.ru_utime) + seconds(self.ru_stime) + (withChildren ? seconds(children.ru_utime) + seconds(children.ru_stime) : 0.0);
}

// Runs every contender once per round, in a shuffled order (a plain rotation would have each
// one follow the same neighbour every time, and inherit its write-back), and collects the wall
// times.
std::map<QString, Series> interleave(const QList<std::pair<QString, Contender>> &contenders, int rounds, const QString &clearPath)
{
    std::map<QString, Series> results;
    std::mt19937 random(20261206);
    QList<qsizetype> order(contenders.size());
    std::iota(order.begin(), order.end(), 0);
    for (int round = 0; round < rounds; ++round) {
        std::shuffle(order.begin(), order.end(), random);
        for (const qsizetype index : order) {
            const auto &[name, run] = contenders[index];
            QFile::remove(clearPath);
            ::sync();
            const double cpuBefore = cpuSeconds();
            const double ownCpuBefore = cpuSeconds(false);
            QElapsedTimer timer;
            timer.start();
            const bool ok = run();
            const double elapsed = timer.nsecsElapsed() / 1e9;
            const double cpu = cpuSeconds() - cpuBefore;
            const double ownCpu = cpuSeconds(false) - ownCpuBefore;
            if (!ok) {
                out << "  " << name << " FAILED in round " << round + 1 << Qt::endl;
                continue;
            }
            results[name].seconds << elapsed;
            results[name + QStringLiteral(" (CPU)")].seconds << cpu;
            // What the benchmark process itself spent: for remux, everything it adds to ffmpeg.
            results[name + QStringLiteral(" (CPU, own)")].seconds << ownCpu;
        }
        if ((round + 1) % 10 == 0 || round + 1 == rounds) {
            out << "  round " << round + 1 << "/" << rounds << " done" << Qt::endl;
        }
    }
    QFile::remove(clearPath);
    return results;
}

// Rounds are paired, so the median of the per-round ratios cancels most of the machine's drift.
double pairedRatio(const Series &numerator, const Series &denominator)
{
    Series ratios;
    for (qsizetype i = 0; i < std::min(numerator.seconds.size(), denominator.seconds.size()); ++i) {
        ratios.seconds << numerator.seconds[i] / denominator.seconds[i];
    }
    return ratios.median();
}

double pairedDifference(const Series &minuend, const Series &subtrahend)
{
    Series differences;
    for (qsizetype i = 0; i < std::min(minuend.seconds.size(), subtrahend.seconds.size()); ++i) {
        differences.seconds << minuend.seconds[i] - subtrahend.seconds[i];
    }
    return differences.median();
}

// What is decided per file before ffmpeg runs: the plan of a 40-track source (a video, 15
// audio tracks, 24 subtitles to convert, each with a language, a title and flags) into MP4, and
// its argument vector and row line; once keeping every track, once with a rule ("English and
// Japanese, no commentary, forced subtitles, defaults in my order") and six files beside it.
void timePlan()
{
    MediaProbe::Info source;
    const QStringList languages { "en", "deu", "fre", "zho", "sve", "spa", "ita", "jpn" };
    for (int i = 0; i < 40; ++i) {
        const auto kind = i == 0 ? MediaProbe::StreamKind::video : i <= 15 ? MediaProbe::StreamKind::audio : MediaProbe::StreamKind::subtitle;
        source.streams.append({ kind,
            i == 0        ? "h264"
                : i <= 15 ? "aac"
                          : "ass",
            i, false, {}, languages[i % languages.size()], i % 5 ? QStringLiteral("Track %1").arg(i) : QStringLiteral("Commentary %1").arg(i),
            MediaProbe::Flags(i % 7) });
    }
    TrackChoice choice;
    TrackRule::Options options;
    options.lang = QStringLiteral("en,ja");
    choice.rule = TrackRule::fromOptions(options).rule;
    choice.rule.keepForcedInAudioLanguages = true;
    choice.rule.defaults = TrackRule::Defaults::followOrder;
    const QStringList names { "in.en.srt", "in.ja.forced.ass", "in.de.sdh.srt", "in.commentary.en.aac", "in.Director.mka", "in.pt-BR.vtt" };
    for (const QString &name : names) {
        const SideFiles::File file = SideFiles::belongingTo("in.mkv", { name }, {}).value(0);
        choice.sideFiles.append({ "/" + name, file, file.kind == SideFiles::Kind::audio ? "aac" : "subrip", name.endsWith("srt") ? "windows-1251" : "" });
    }
    for (const auto &[label, chosen] : { std::pair { "keeping every track", TrackChoice {} }, std::pair { "with a rule and 6 side files", choice } }) {
        Series series;
        qsizetype size = 0;
        QString line;
        for (int i = 0; i < 2000; ++i) {
            QElapsedTimer timer;
            timer.start();
            const auto plan = TrackPlan::make(source, OutputFormat::mp4, chosen);
            size += FFmpegRunner::buildArguments(QUrl::fromLocalFile("/in.mkv"), QUrl::fromLocalFile("/out.mp4"), OutputFormat::mp4, {}, plan).size();
            line = plan.summary();
            series.seconds << timer.nsecsElapsed() / 1e9;
        }
        out << QStringLiteral("Track plan, arguments and row line, 40 tracks into MP4, %1 (%2 arguments, \"%5\"): median %3 ms, max %4 ms of 2000")
                   .arg(QLatin1String(label))
                   .arg(size / 2000)
                   .arg(series.median() * 1000.0, 0, 'f', 3)
                   .arg(series.max() * 1000.0, 0, 'f', 3)
                   .arg(line)
            << Qt::endl;
    }
}

void report(const std::map<QString, Series> &results, double scale, const char *unit)
{
    for (const auto &[name, series] : results) {
        out << QStringLiteral("  %1 median %2 %5  (min %3, max %4, n=%6)")
                   .arg(name, -34)
                   .arg(series.median() * scale, 0, 'f', 3)
                   .arg(series.min() * scale, 0, 'f', 3)
                   .arg(series.max() * scale, 0, 'f', 3)
                   .arg(QString::fromLatin1(unit))
                   .arg(series.seconds.size())
            << Qt::endl;
    }
}
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOptions({
        { "large", "File of at least 1 GB to remux.", "file" },
        { "clip", "Short clip (about 10 s) for the per-file cost.", "file" },
        { "work", "Folder for the outputs.", "dir" },
        { "rounds", "Rounds on the large file.", "n", "5" },
        { "clip-rounds", "Rounds on the clip.", "n", "30" },
        { "mkvmerge", "mkvmerge to compare with (optional).", "path" },
    });
    parser.process(app);
    timePlan();
    const QString large = parser.value("large");
    const QString clip = parser.value("clip");
    const QDir work(parser.value("work"));
    if (large.isEmpty() || clip.isEmpty() || !work.exists()) {
        parser.showHelp(1);
    }

    FFmpegRunner runner;
    const auto located = runner.locateFFmpeg();
    if (!located) {
        out << "no ffmpeg found" << Qt::endl;
        return 1;
    }
    const QString ffmpeg = located->toLocalFile();
    const QString output = work.filePath("bench-output.mkv");
    const QUrl outputUrl = QUrl::fromLocalFile(output);

    const auto remux = [&runner, &outputUrl](const QString &input) {
        return [&runner, &outputUrl, input] {
            const auto outcome = QCoro::waitFor(runner.remux(QUrl::fromLocalFile(input), outputUrl, OutputFormat::mkv, [](const FFmpegRunner::Progress &) {}));
            return outcome.succeeded();
        };
    };
    const auto bare = [&ffmpeg, &outputUrl](const QString &input) {
        const QStringList arguments = FFmpegRunner::buildArguments(QUrl::fromLocalFile(input), outputUrl, OutputFormat::mkv, FFmpegRunner::Retry {});
        return [&ffmpeg, arguments] { return spawnAndWait(ffmpeg, arguments); };
    };

    out << "ffmpeg: " << ffmpeg << "\nlarge file: " << large << " (" << QFileInfo(large).size() / 1e9 << " GB)" << Qt::endl;
    QList<std::pair<QString, Contender>> contenders {
        { "a cp",
            [&] {
                return spawnAndWait("/bin/cp", { large, output });
            } },
        { "b ffmpeg bare", bare(large) },
        { "c FFmpegRunner::remux", remux(large) },
    };
    if (parser.isSet("mkvmerge")) {
        const QString mkvmerge = parser.value("mkvmerge");
        contenders.append({ "d mkvmerge", [mkvmerge, large, output] { return spawnAndWait(mkvmerge, { "-q", "-o", output, large }); } });
    }
    // One untimed pass so every contender starts from a warm page cache.
    spawnAndWait("/bin/cp", { large, "/dev/null" });
    const auto largeResults = interleave(contenders, parser.value("rounds").toInt(), output);
    out << "\nLarge file, seconds:" << Qt::endl;
    report(largeResults, 1.0, "s");
    const double a = largeResults.at("a cp").median();
    const double b = largeResults.at("b ffmpeg bare").median();
    const double c = largeResults.at("c FFmpegRunner::remux").median();
    out << QStringLiteral("  c/b = %1   c/a = %2   (medians of per-round ratios: c/b %3, c/a %4)")
               .arg(c / b, 0, 'f', 3)
               .arg(c / a, 0, 'f', 3)
               .arg(pairedRatio(largeResults.at("c FFmpegRunner::remux"), largeResults.at("b ffmpeg bare")), 0, 'f', 3)
               .arg(pairedRatio(largeResults.at("c FFmpegRunner::remux"), largeResults.at("a cp")), 0, 'f', 3)
        << Qt::endl;
    out << QStringLiteral("  CPU: c/b = %1 (median of per-round ratios)")
               .arg(pairedRatio(largeResults.at("c FFmpegRunner::remux (CPU)"), largeResults.at("b ffmpeg bare (CPU)")), 0, 'f', 3)
        << Qt::endl;

    out << "\nClip " << clip << ", milliseconds per file:" << Qt::endl;
    const auto clipResults
        = interleave({ { "b ffmpeg bare", bare(clip) }, { "c FFmpegRunner::remux", remux(clip) } }, parser.value("clip-rounds").toInt(), output);
    report(clipResults, 1000.0, "ms");
    const Series &remuxed = clipResults.at("c FFmpegRunner::remux");
    const Series &bareRun = clipResults.at("b ffmpeg bare");
    out << QStringLiteral("  remux - bare = %1 ms per file (difference of medians), %2 ms (median of per-round differences)")
               .arg((remuxed.median() - bareRun.median()) * 1000.0, 0, 'f', 1)
               .arg(pairedDifference(remuxed, bareRun) * 1000.0, 0, 'f', 1)
        << Qt::endl;
    out << QStringLiteral("  CPU: remux - bare = %1 ms per file (median of per-round differences)")
               .arg(pairedDifference(clipResults.at("c FFmpegRunner::remux (CPU)"), clipResults.at("b ffmpeg bare (CPU)")) * 1000.0, 0, 'f', 1)
        << Qt::endl;

    // Where the per-file cost goes: remux probes the input before and the output after the run.
    remux(clip)();
    Series inputProbe;
    Series outputProbe;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        timer.start();
        MediaProbe::probeFile(clip);
        inputProbe.seconds << timer.nsecsElapsed() / 1e9;
        timer.restart();
        MediaProbe::probeFile(output, MediaProbe::Depth::header);
        outputProbe.seconds << timer.nsecsElapsed() / 1e9;
    }
    QFile::remove(output);
    Series largeProbe;
    for (int i = 0; i < 10; ++i) {
        QElapsedTimer timer;
        timer.start();
        MediaProbe::probeFile(large);
        largeProbe.seconds << timer.nsecsElapsed() / 1e9;
    }

    // What remux adds around a run that does nothing: probe, temporary, launch, checks, move.
    const QString noop = work.filePath("noop");
    QDir().mkpath(noop);
    QFile::remove(noop + "/ffmpeg");
    QFile::link(QStringLiteral("/bin/true"), noop + "/ffmpeg");
    FFmpegRunner noopRunner({ noop, {} });
    const auto launches
        = interleave({ { "b spawn /bin/true", [] { return spawnAndWait("/bin/true", {}); } },
                         { "c remux() with /bin/true as ffmpeg",
                             [&] { return QCoro::waitFor(noopRunner.remux(QUrl::fromLocalFile(clip), outputUrl, OutputFormat::mkv, {})).succeeded(); } } },
            100, output);
    report(launches, 1000.0, "ms");

    // The steps that keep broken files from real names, each on its own: the sweep, creating and
    // locking the temporary, and moving it without the flushes (as the engine did before), then
    // with them; and the checks of the new file against its source.
    remux(clip)();
    const auto source = MediaProbe::probeFile(clip);
    const QString commitTarget = work.filePath("bench-commit.mkv");
    Series commit;
    Series durableCommit;
    Series checks;
    for (int i = 0; i < 200 && source; ++i) {
        QElapsedTimer timer;
        timer.start();
        int error = 0;
        OutputCommit::sweep(work.path());
        auto temporary = OutputCommit::createTemporary(work.path(), &error);
        bool moved = temporary && OutputCommit::moveWithoutReplacing(temporary->path, commitTarget) == 0;
        commit.seconds << timer.nsecsElapsed() / 1e9;
        if (temporary) {
            ::close(temporary->fd);
        }
        QFile::remove(commitTarget);
        timer.restart();
        OutputCommit::sweep(work.path());
        temporary = OutputCommit::createTemporary(work.path(), &error);
        moved = moved && temporary && OutputCommit::commit(*temporary, commitTarget, "bench-commit", "mkv").error == 0;
        durableCommit.seconds << timer.nsecsElapsed() / 1e9;
        QFile::remove(commitTarget);
        timer.restart();
        const auto written = MediaProbe::probeFile(output, MediaProbe::Depth::header);
        const bool judged = written && RemuxChecks::readAsContainer(*written, OutputFormat::mkv) && RemuxChecks::streamsLost(*source, *written).isEmpty()
            && RemuxChecks::notesOnArrival(*source, *written, OutputFormat::mkv).isEmpty();
        checks.seconds << timer.nsecsElapsed() / 1e9;
        if (!moved || !judged) {
            out << "  commit or checks FAILED" << Qt::endl;
            break;
        }
    }
    QFile::remove(output);
    out << QStringLiteral("  sweep, locked temporary and move, median of 200: %1 ms; with the flushes of an empty file: %2 ms\n"
                          "  checks of the new file (header probe and verdicts), median of 200: %3 ms\n"
                          "  together (sweep, temporary, flushed move, checks): %4 ms per file")
               .arg(commit.median() * 1000.0, 0, 'f', 3)
               .arg(durableCommit.median() * 1000.0, 0, 'f', 3)
               .arg(checks.median() * 1000.0, 0, 'f', 3)
               .arg((durableCommit.median() + checks.median()) * 1000.0, 0, 'f', 3)
        << Qt::endl;

    // What the flushes cost on a file just written, whose pages are still dirty: the commit of a
    // fresh copy of the clip and of the large file, against the plain move.
    for (const QString &file : { clip, large }) {
        Series plain;
        Series flushed;
        for (int i = 0; i < (file == clip ? 10 : 3); ++i) {
            for (const bool flush : { false, true }) {
                int error = 0;
                const auto temporary = OutputCommit::createTemporary(work.path(), &error);
                if (!temporary || !spawnAndWait("/bin/cp", { file, temporary->path })) {
                    out << "  copy FAILED" << Qt::endl;
                    break;
                }
                QElapsedTimer timer;
                timer.start();
                const bool ok = flush ? OutputCommit::commit(*temporary, commitTarget, "bench-commit", "mkv").error == 0
                                      : OutputCommit::moveWithoutReplacing(temporary->path, commitTarget) == 0;
                (flush ? flushed : plain).seconds << timer.nsecsElapsed() / 1e9;
                if (!flush) {
                    ::close(temporary->fd);
                }
                QFile::remove(commitTarget);
                ::sync();
                if (!ok) {
                    out << "  commit FAILED" << Qt::endl;
                }
            }
        }
        out << QStringLiteral("  %1 (%2 MB) just written: move %3 ms, flushed move %4 ms (medians)")
                   .arg(file == clip ? "clip" : "large file")
                   .arg(QFileInfo(file).size() / 1e6, 0, 'f', 1)
                   .arg(plain.median() * 1000.0, 0, 'f', 3)
                   .arg(flushed.median() * 1000.0, 0, 'f', 1)
            << Qt::endl;
    }
    out << QStringLiteral("  in-process probe, median of 50: input %1 ms, output %2 ms; of 10 on the large file: %3 ms")
               .arg(inputProbe.median() * 1000.0, 0, 'f', 2)
               .arg(outputProbe.median() * 1000.0, 0, 'f', 2)
               .arg(largeProbe.median() * 1000.0, 0, 'f', 2)
        << Qt::endl;
    return 0;
}

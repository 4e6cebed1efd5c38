// Hot paths of the queue, the first two beside a plain QList loop doing the same work:
//  1. adding 10,000 new files to a queue of 10,000, duplicate test and the regular-file test
//     included: the GUI thread's CPU time until the rows are listed (the checks run on a
//     worker), and the longest frame meanwhile, seen as the largest gap between ticks of a 1 ms
//     timer;
//  2. 10,000 progress reports for the last file of a 10,000-file queue;
//  3. adding a folder tree of 10,000 files: the time until the rows are listed, and the longest
//     stall of the GUI thread meanwhile;
//  4. adding 10,000 files whose tracks are then read (a stand-in reader taking 1 ms a file, and
//     the real one on the empty files): the GUI thread's CPU time until listed and until every
//     reading has arrived, the longest frame meanwhile (a window showing the first 30 rows reads
//     their track roles again at every arrival), and the time until all are read.
// Goals: the add within 50 ms of GUI-thread time with no frame over 16 ms, a report within 20
// microseconds, the tree listed within 300 ms with no stall over 16 ms, every track read within
// 20 s with no frame over 16 ms.

#include "queue/remuxviewmodel.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QTime>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <variant>

namespace
{
constexpr int listSize = 10'000;
constexpr int reports = 10'000;
constexpr int repetitions = 5;

constexpr int treeFolders = 100;

// Real (empty) files: only regular files are listed.
const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir;
    return dir;
}

QUrl sourceUrl(int i)
{
    return QUrl::fromLocalFile(scratch().filePath(QStringLiteral("flat/clip %1.mp4").arg(i, 5, 10, QLatin1Char('0'))));
}

void makeFiles()
{
    QDir().mkpath(scratch().filePath(QStringLiteral("flat")));
    for (int i = 0; i < 2 * listSize; ++i) {
        QFile(sourceUrl(i).toLocalFile()).open(QIODevice::WriteOnly);
    }
    // 100 folders of 100 files, named so that natural order differs from plain order.
    for (int f = 0; f < treeFolders; ++f) {
        const QString folder = scratch().filePath(QStringLiteral("tree/take %1").arg(f));
        QDir().mkpath(folder);
        for (int i = 0; i < listSize / treeFolders; ++i) {
            QFile(folder + QStringLiteral("/clip %1.mov").arg(i)).open(QIODevice::WriteOnly);
        }
    }
}

// Wall time and this thread's CPU time: on a busy machine the second is the steadier figure.
class Stopwatch
{
public:
    Stopwatch() { m_wall.start(), m_cpu = cpuNs(); }
    [[nodiscard]] double wallNs() const { return double(m_wall.nsecsElapsed()); }
    [[nodiscard]] double cpuElapsedNs() const { return cpuNs() - m_cpu; }
    static double cpuNs()
    {
        timespec ts {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
    }

private:
    QElapsedTimer m_wall;
    double m_cpu = 0;
};

struct Sample {
    double wall = 0;
    double cpu = 0;
};

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

// Delivers the timed reports during the run of one chosen file; every other run ends at once.
class ReportingRunner : public FFmpegRunner
{
public:
    QString timedFile;
    Sample elapsedNs;

    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override { return QUrl::fromLocalFile(QStringLiteral("/bench/ffmpeg")); }

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl, OutputFormat, ProgressHandler onProgress, TrackChoice) override
    {
        if (input.fileName() == timedFile) {
            const Stopwatch timer;
            for (int i = 0; i < reports; ++i) {
                onProgress(Progress { double(i) / reports, 1.0 + (i % 7) * 0.25 });
            }
            elapsedNs = { timer.wallNs(), timer.cpuElapsedNs() };
        }
        co_return RemuxOutcome {};
    }
};

// A file as a stand-in reader finds it: video, two audio tracks, a subtitle, and a side file.
FileTracks standInTracks(const QString &path, bool)
{
    static const FileTracks tracks = [] {
        MediaProbe::Info info;
        info.streams = { { MediaProbe::StreamKind::video, QStringLiteral("h264"), 0 },
            { MediaProbe::StreamKind::audio, QStringLiteral("aac"), 1, false, {}, QStringLiteral("eng") },
            { MediaProbe::StreamKind::audio, QStringLiteral("ac3"), 2, false, {}, QStringLiteral("ger") },
            { MediaProbe::StreamKind::subtitle, QStringLiteral("subrip"), 3, false, {}, QStringLiteral("eng") } };
        return FileTracks { info,
            { SideInput { {}, { QStringLiteral("clip.fr.srt"), SideFiles::Kind::subtitle, QLocale::French }, QStringLiteral("subrip") } } };
    }();
    FileTracks read = tracks;
    read.sideFiles.first().path = path + QStringLiteral(".fr.srt");
    return read;
}

std::unique_ptr<RemuxViewModel> makeModel(ReportingRunner **runnerOut, RemuxViewModel::Dependencies deps = {})
{
    if (!deps.readTracks) {
        deps.readTracks = standInTracks; // instant: the figures above are the list's own
    }
    auto runner = std::make_unique<ReportingRunner>();
    *runnerOut = runner.get();
    deps.runner = std::move(runner);
    deps.clock = [] { return std::chrono::steady_clock::time_point {}; };
    deps.sleeper = [](std::chrono::milliseconds) -> QCoro::Task<void> { co_return; };
    return std::make_unique<RemuxViewModel>(std::move(deps));
}

// The plain counterpart of a record.
struct PlainStatus {
    std::optional<double> fraction;
    std::optional<double> speed;
};
struct PlainRecord {
    QUuid id;
    QUrl url;
    std::variant<std::monostate, PlainStatus> status;
};

Sample plainAddMs()
{
    QList<PlainRecord> list;
    QSet<QUrl> listed;
    for (int i = 0; i < listSize; ++i) {
        list.append({ QUuid::createUuid(), sourceUrl(i), {} });
        listed.insert(list.last().url);
    }
    QList<QUrl> incoming;
    for (int i = listSize; i < 2 * listSize; ++i) {
        incoming.append(sourceUrl(i));
    }
    const Stopwatch timer;
    const QStringList extensions = RemuxViewModel::acceptedInputExtensions();
    const QSet<QString> accepted(extensions.cbegin(), extensions.cend());
    QList<PlainRecord> added;
    for (const QUrl &url : incoming) {
        const QString name = url.fileName();
        const QString extension = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1).toLower();
        if (url.isLocalFile() && accepted.contains(extension) && !listed.contains(url) && QFileInfo(url.toLocalFile()).isFile()) {
            added.append({ QUuid::createUuid(), url, {} });
        }
    }
    for (const PlainRecord &record : added) {
        listed.insert(record.url);
    }
    list.append(added);
    const Sample ms { timer.wallNs() / 1e6, timer.cpuElapsedNs() / 1e6 };
    Q_ASSERT(list.size() == 2 * listSize);
    return ms;
}

// Ticks a 1 ms timer and keeps the largest gap between ticks: a frame held up that long.
class FrameWatch
{
public:
    FrameWatch()
    {
        m_tick.setTimerType(Qt::PreciseTimer);
        m_tick.setInterval(1);
        QObject::connect(&m_tick, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            const double cpu = Stopwatch::cpuNs();
            longestMs = std::max(longestMs, double(now - m_last) / 1e6);
            longestCpuMs = std::max(longestCpuMs, (cpu - m_lastCpu) / 1e6);
            m_last = now;
            m_lastCpu = cpu;
        });
        m_tick.start();
        QCoreApplication::processEvents();
        m_clock.start();
        m_lastCpu = Stopwatch::cpuNs();
    }
    double longestMs = 0;
    // This thread's CPU time between two ticks: the frame's own work, whatever else the machine runs.
    double longestCpuMs = 0;

private:
    QTimer m_tick;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    double m_lastCpu = 0;
};

// Runs the event loop until `vm` has listed every addFiles() call, and a few ticks more so a
// stall at the insert shows.
void untilAdded(RemuxViewModel &vm)
{
    QElapsedTimer limit;
    limit.start();
    while (vm.isAddingFiles() && limit.elapsed() < 10'000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
}

struct AddSample {
    Sample gui; // wall until listed; the GUI thread's CPU time meanwhile
    double longestFrameMs = 0;
};

AddSample modelAddSample()
{
    ReportingRunner *runner = nullptr;
    auto vm = makeModel(&runner);
    QList<QUrl> first;
    for (int i = 0; i < listSize; ++i) {
        first.append(sourceUrl(i));
    }
    vm->addFiles(first);
    untilAdded(*vm);
    QList<QUrl> incoming;
    for (int i = listSize; i < 2 * listSize; ++i) {
        incoming.append(sourceUrl(i));
    }
    AddSample sample;
    {
        const FrameWatch frames;
        const Stopwatch timer;
        vm->addFiles(incoming);
        untilAdded(*vm);
        sample.gui = { timer.wallNs() / 1e6, timer.cpuElapsedNs() / 1e6 };
        const QTime settle = QTime::currentTime().addMSecs(20);
        while (QTime::currentTime() < settle) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        sample.longestFrameMs = frames.longestMs;
    }
    if (vm->files().size() != 2 * listSize) {
        qFatal("the add benchmark added the wrong number of files");
    }
    return sample;
}

// Finds the record by id (the last one, the worst case of a scan) and replaces its status.
Sample plainReportUs()
{
    QList<PlainRecord> list;
    for (int i = 0; i < listSize; ++i) {
        list.append({ QUuid::createUuid(), sourceUrl(i), PlainStatus {} });
    }
    const QUuid target = list.last().id;
    const Stopwatch timer;
    for (int i = 0; i < reports; ++i) {
        const auto it = std::find_if(list.begin(), list.end(), [&](const PlainRecord &r) { return r.id == target; });
        if (it != list.end() && std::holds_alternative<PlainStatus>(it->status)) {
            it->status = PlainStatus { double(i) / reports, 1.0 + (i % 7) * 0.25 };
        }
    }
    return { timer.wallNs() / 1e3 / reports, timer.cpuElapsedNs() / 1e3 / reports };
}

Sample modelReportUs()
{
    ReportingRunner *runner = nullptr;
    auto vm = makeModel(&runner);
    QList<QUrl> urls;
    for (int i = 0; i < listSize; ++i) {
        urls.append(sourceUrl(i));
    }
    vm->addFiles(urls);
    untilAdded(*vm);
    runner->timedFile = urls.last().fileName();
    QCoro::waitFor(vm->convert());
    if (vm->doneCount() != listSize) {
        qFatal("the report benchmark did not finish its batch");
    }
    return { runner->elapsedNs.wall / 1e3 / reports, runner->elapsedNs.cpu / 1e3 / reports };
}
}

struct WalkSample {
    double listedMs = 0;
    double longestStallMs = 0;
};

WalkSample folderWalk()
{
    ReportingRunner *runner = nullptr;
    auto vm = makeModel(&runner);
    QElapsedTimer clock;
    qint64 lastTick = 0;
    WalkSample sample;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        sample.longestStallMs = std::max(sample.longestStallMs, double(now - lastTick) / 1e6);
        lastTick = now;
    });
    QObject::connect(vm.get(), &RemuxViewModel::filesAdded, [&] { sample.listedMs = double(clock.nsecsElapsed()) / 1e6; });
    tick.start();
    QCoreApplication::processEvents();
    clock.start();
    vm->addFiles({ QUrl::fromLocalFile(scratch().filePath(QStringLiteral("tree"))) });
    // The tick after the insert shows the insert's stall too.
    while ((sample.listedMs == 0 || clock.elapsed() < sample.listedMs + 20) && clock.elapsed() < 10'000) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    if (vm->files().size() != listSize) {
        qFatal("the folder walk listed %d files", int(vm->files().size()));
    }
    return sample;
}

struct ReadSample {
    double guiAddMs = 0; // CPU until listed
    double guiAllMs = 0; // CPU until every reading has arrived
    double longestFrameMs = 0;
    double longestFrameCpuMs = 0;
    double idleCpuMs = 0; // what the same loop costs idle over as long: the measuring's own share
    double allReadMs = 0; // wall until every reading has arrived
    int batches = 0;
};

ReadSample readingSample(const std::function<FileTracks(const QString &, bool)> &read)
{
    ReportingRunner *runner = nullptr;
    RemuxViewModel::Dependencies deps;
    deps.readTracks = read;
    auto vm = makeModel(&runner, std::move(deps));
    FileListModel *files = vm->fileModel();
    ReadSample sample;
    QObject::connect(files, &QAbstractItemModel::dataChanged, [&](const QModelIndex &, const QModelIndex &, const QList<int> &roles) {
        if (!roles.contains(FileListModel::TracksReadRole)) {
            return;
        }
        ++sample.batches;
        for (int row = 0; row < 30; ++row) {
            files->data(files->index(row), FileListModel::TrackSummaryRole);
            files->data(files->index(row), FileListModel::TracksRole);
        }
    });
    QList<QUrl> urls;
    for (int i = 0; i < listSize; ++i) {
        urls.append(sourceUrl(i));
    }
    {
        const FrameWatch frames;
        const Stopwatch timer;
        vm->addFiles(urls);
        untilAdded(*vm);
        sample.guiAddMs = timer.cpuElapsedNs() / 1e6;
        int unread = 0;
        while (unread < files->count() && timer.wallNs() < 120e9) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            while (unread < files->count() && files->tracksRead(unread)) {
                ++unread;
            }
        }
        sample.allReadMs = timer.wallNs() / 1e6;
        sample.guiAllMs = timer.cpuElapsedNs() / 1e6;
        const QTime settle = QTime::currentTime().addMSecs(20);
        while (QTime::currentTime() < settle) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        sample.longestFrameMs = frames.longestMs;
        sample.longestFrameCpuMs = frames.longestCpuMs;
        const Stopwatch idle;
        while (idle.wallNs() < 1e9) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        sample.idleCpuMs = idle.cpuElapsedNs() / 1e6 * sample.allReadMs / 1000;
        if (unread < listSize) {
            qFatal("only %d of the files had their tracks read", unread);
        }
    }
    return sample;
}

void reportReading(QTextStream &out, const char *what, const QList<ReadSample> &samples)
{
    const auto pick = [&samples](double ReadSample::*field) {
        QList<double> values;
        for (const ReadSample &sample : samples) {
            values.append(sample.*field);
        }
        return median(values);
    };
    double worstFrame = 0;
    for (const ReadSample &sample : samples) {
        worstFrame = std::max(worstFrame, sample.longestFrameMs);
    }
    out << what << " (median of " << samples.size() << ")\n  GUI-thread cpu until listed " << pick(&ReadSample::guiAddMs) << " ms, until all tracks arrived "
        << pick(&ReadSample::guiAllMs) << " ms, of which an idle loop ticking every 1 ms costs " << pick(&ReadSample::idleCpuMs) << " ms\n  all read in "
        << pick(&ReadSample::allReadMs) / 1000 << " s wall, " << int(samples.first().batches) << " batches\n  longest frame "
        << pick(&ReadSample::longestFrameMs) << " ms (worst " << worstFrame << " ms), its own cpu " << pick(&ReadSample::longestFrameCpuMs)
        << " ms\n  goal <= 50 ms GUI-thread cpu to list, frames < 16 ms, all read within 20 s\n";
}

// One line: model and plain, wall and CPU medians, and the model/plain ratio of each.
void report(QTextStream &out, const char *what, const char *unit, const QList<Sample> &model, const QList<Sample> &plain, const char *goal)
{
    const auto pick = [](const QList<Sample> &samples, double Sample::*field) {
        QList<double> values;
        for (const Sample &sample : samples) {
            values.append(sample.*field);
        }
        return median(values);
    };
    const double modelWall = pick(model, &Sample::wall), plainWall = pick(plain, &Sample::wall);
    const double modelCpu = pick(model, &Sample::cpu), plainCpu = pick(plain, &Sample::cpu);
    out << what << "\n  wall: model " << modelWall << ' ' << unit << ", plain QList loop " << plainWall << ' ' << unit << ", ratio " << modelWall / plainWall
        << "\n  cpu:  model " << modelCpu << ' ' << unit << ", plain QList loop " << plainCpu << ' ' << unit << ", ratio " << modelCpu / plainCpu << "\n  goal "
        << goal << "\n";
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    makeFiles();
    QList<Sample> modelAdd, plainAdd, modelReport, plainReport;
    QList<double> listed, stalls, addFrames;
    // "--tracks": the reading of tracks alone.
    const bool tracksOnly = app.arguments().contains(QStringLiteral("--tracks"));
    for (int r = 0; r < (tracksOnly ? 0 : repetitions); ++r) {
        const WalkSample walk = folderWalk();
        listed.append(walk.listedMs);
        stalls.append(walk.longestStallMs);
        const AddSample add = modelAddSample();
        modelAdd.append(add.gui);
        addFrames.append(add.longestFrameMs);
        plainAdd.append(plainAddMs());
        modelReport.append(modelReportUs());
        plainReport.append(plainReportUs());
    }
    QList<ReadSample> standIn, real;
    for (int r = 0; r < 3; ++r) {
        standIn.append(readingSample([](const QString &path, bool withSideFiles) {
            QThread::usleep(1000);
            return standInTracks(path, withSideFiles);
        }));
    }
    real.append(readingSample({}));
    QTextStream out(stdout);
    out.setRealNumberNotation(QTextStream::FixedNotation);
    out.setRealNumberPrecision(2);
    if (!tracksOnly) {
        out << "queue benchmark, median of " << repetitions << " runs\n";
        report(out, "add 10000 new files to a queue of 10000 (model: until listed; cpu is the GUI thread's)", "ms", modelAdd, plainAdd,
            "<= 50 ms of GUI-thread cpu");
        out << "  longest frame meanwhile " << median(addFrames) << " ms (worst " << *std::max_element(addFrames.cbegin(), addFrames.cend())
            << " ms), goal <= 16 ms\n";
        report(out, "one progress report for the last file of a 10000-file queue", "us", modelReport, plainReport, "<= 20 us");
        out << "add a folder tree of 10000 files (100 folders)\n  listed after " << median(listed) << " ms (worst "
            << *std::max_element(listed.cbegin(), listed.cend()) << " ms), longest GUI-thread stall " << median(stalls) << " ms (worst "
            << *std::max_element(stalls.cbegin(), stalls.cend()) << " ms)\n  goal <= 300 ms listed, no stall over 16 ms\n";
    }
    reportReading(out, "add 10000 files and read their tracks, a stand-in reader taking 1 ms a file", standIn);
    reportReading(out, "add 10000 files and read their tracks, the real reader on empty files", real);
    return 0;
}

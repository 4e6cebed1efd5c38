#pragma once

// Stand-ins for the engine, the dialogs, the file browser and the clock, so the view model can
// be driven through its public interface with exact timing and scripted runs.

#include "engine/diskcall.h"
#include "engine/ffmpegrunner.h"
#include "queue/platformservices.h"
#include "queue/remuxviewmodel.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <coroutine>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace std::chrono_literals;

// QFETCH as an expression.
template<typename T> T fetch(const char *column)
{
    return *static_cast<const T *>(QTest::qData(column, qMetaTypeId<T>()));
}
using Progress = FFmpegRunner::Progress;

// A run is scripted by its source's name: "fail-" exits 1, "drop-" loses a data track, "note-"
// comes back with a note and a name of the engine's choosing, "warn-" with new timestamps,
// "gate-" waits for the gate unless it is open, "save-" first says it is saving its file and then
// takes no Stop.
class FakeRunner : public FFmpegRunner
{
public:
    bool available = true;
    QList<Progress> reports; // delivered at the start of every run
    std::chrono::microseconds runTime { 0 }; // how far the clock moves during a run
    std::chrono::steady_clock::time_point *now = nullptr;
    QStringList calls; // source names, in run order
    QList<TrackChoice> choices; // what each run was told to keep
    ProgressHandler lastHandler;
    QObject gate; // context of a gated run's wake-up
    std::coroutine_handle<> parked; // a gated run, until the test or a stop releases it
    bool waiting = false; // a gated run is waiting
    bool stopping = false;
    bool gateOpen = false;
    int stops = 0;

    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override { return available ? std::optional(QUrl(u"file:///fake/ffmpeg"_qs)) : std::nullopt; }

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat, ProgressHandler onProgress, TrackChoice choice) override
    {
        const QString name = input.fileName();
        calls.append(name);
        choices.append(choice);
        lastHandler = onProgress;
        for (const Progress &report : std::as_const(reports))
            onProgress(report);
        const bool saving = name.contains(QLatin1String("save-"));
        if (saving)
            onProgress(Progress { std::nullopt, std::nullopt, true });
        if (name.contains(QLatin1String("gate-")) && !gateOpen) {
            waiting = true;
            co_await Parked { this };
            waiting = false;
            if (std::exchange(stopping, false) && !saving) // a Stop ends only the run it found
                co_return RemuxOutcome { false, RunError::stopped() };
        }
        *now += runTime;
        if (name.contains(QLatin1String("fail-")))
            co_return RemuxOutcome { false, RunError::processFailed(1, QStringLiteral("bad\n")) };
        const bool noted = name.contains(QLatin1String("note-"));
        const QUrl written = noted ? output.resolved(QUrl(QStringLiteral("renamed.mkv"))) : output;
        QFile file(written.toLocalFile());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            co_return RemuxOutcome { false, RunError::platformError(QStringLiteral("replaced")) };
        co_return RemuxOutcome { name.contains(QLatin1String("drop-")), std::nullopt, noted ? written : QUrl(),
            noted ? QStringList { QStringLiteral("Subtitles were left out.") } : QStringList(),
            name.contains(QLatin1String("warn-")) ? QStringList { QStringLiteral("The source lacks timestamps, so new ones were generated.") }
                                                  : QStringList() };
    }

    // A join runs as a remux of its first part, scripted by that part's name.
    QCoro::Task<RemuxOutcome> join(QList<QUrl> parts, QUrl output, OutputFormat format, ProgressHandler onProgress, TrackChoice choice) override
    {
        QStringList names;
        for (const QUrl &part : std::as_const(parts))
            names.append(part.fileName());
        joined.append(names.join(u'+'));
        return remux(parts.value(0), std::move(output), format, std::move(onProgress), std::move(choice));
    }
    QStringList joined; // each join's parts, "a.mov+b.mov"

    struct Parked {
        FakeRunner *runner;
        [[nodiscard]] bool await_ready() const noexcept { return false; }
        void await_suspend(std::coroutine_handle<> handle) const noexcept { runner->parked = handle; }
        void await_resume() const noexcept { }
    };
    // Wakes the gated run from the event loop, as a process that ends would.
    void release()
    {
        if (parked)
            QTimer::singleShot(0, &gate, [handle = std::exchange(parked, {})] { handle.resume(); });
    }
    // A release still pending when the runner goes ends its run, so no frame is left behind.
    ~FakeRunner() override { QCoreApplication::sendPostedEvents(&gate, QEvent::MetaCall); }
    void stopRunning(std::chrono::milliseconds) override
    {
        ++stops;
        stopping = waiting;
        if (waiting)
            release();
    }
};

// Panels answer as set; nothing is revealed.
class FakeServices : public FilePicker, public FileRevealer
{
public:
    FilesChoice files;
    FolderChoice folder;
    FilesChoice pickFiles(const QString &) override { return files; }
    FolderChoice pickFolder(const QString &) override { return folder; }
    void reveal(const QUrl &) override { }
};

// One view model wired to the fakes, over a scratch folder, watched by the model tester.
struct Harness {
    QTemporaryDir dir;
    std::chrono::steady_clock::time_point now { std::chrono::hours(1000) };
    QList<std::chrono::milliseconds> sleeps;
    std::function<void()> onSleep; // sees the model at the moment a hold begins
    std::function<void()> onWalk; // runs on the walker before each entry
    // Reads a file's tracks, on a worker; none: no tracks.
    std::function<FileTracks(const QString &path, bool withSideFiles)> onRead;
    // Checks the parts of a join, on a worker; none: they fit.
    JoinModel::Check onJoinCheck;
    FakeRunner *runner; // null when another engine was given
    FakeServices *picker = new FakeServices;
    std::unique_ptr<RemuxViewModel> vm;
    std::unique_ptr<QAbstractItemModelTester> tester;

    mutable QList<QByteArray> rawNames; // the scratch folder's removal cannot name them

    ~Harness()
    {
        tester.reset();
        vm.reset();
        DiskCall::workers()->waitForDone(5000); // no reading outlives what it reads with
        for (const QByteArray &name : std::as_const(rawNames))
            ::unlink(name.constData());
    }

    // `timedHold`: the hold is the model's own timer instead of the injected clock's.
    explicit Harness(FFmpegRunner *engine = nullptr, bool timedHold = false, std::chrono::milliseconds stallLimit = 30s)
        : runner(engine ? nullptr : new FakeRunner)
    {
        if (runner)
            runner->now = &now;
        RemuxViewModel::Dependencies deps { std::unique_ptr<FFmpegRunner>(engine ? engine : runner), std::unique_ptr<FilePicker>(picker),
            std::make_unique<FakeServices>(), [this] { return now; },
            [this](std::chrono::milliseconds duration) -> QCoro::Task<void> {
                sleeps.append(duration);
                if (onSleep)
                    onSleep();
                now += duration;
                co_return;
            },
            [this] {
                if (onWalk)
                    onWalk();
            } };
        if (timedHold)
            deps.sleeper = nullptr;
        deps.diskStallLimit = stallLimit;
        deps.readTracks = [this](const QString &path, bool withSideFiles) { return onRead ? onRead(path, withSideFiles) : FileTracks {}; };
        deps.checkJoin = [this](const QList<QUrl> &parts) { return onJoinCheck ? onJoinCheck(parts) : JoinModel::Verdict {}; };
        vm = std::make_unique<RemuxViewModel>(std::move(deps));
        tester = std::make_unique<QAbstractItemModelTester>(vm->fileModel(), QAbstractItemModelTester::FailureReportingMode::QtTest);
        QObject::connect(vm->fileModel(), &QAbstractItemModel::modelAboutToBeReset, [] { QFAIL("the list was reset"); });
    }

    [[nodiscard]] QString path(const QString &name) const { return dir.filePath(name); }
    [[nodiscard]] QUrl url(const QString &name) const { return QUrl::fromLocalFile(path(name)); }

    // "d/" makes a folder, "l@target" a link, "p|" a pipe; anything else a file, where "^ff"
    // stands for the byte 0xff (a name that is not text).
    QUrl make(const QString &entry, const QByteArray &content = {}) const
    {
        if (entry.contains(u'^')) {
            QDir().mkpath(QFileInfo(path(entry)).path());
            rawNames.append(QByteArray::fromPercentEncoding(QFile::encodeName(path(entry)).replace('^', '%')));
            ::close(::open(rawNames.constLast().constData(), O_WRONLY | O_CREAT, 0644));
            return {};
        }
        const QString name = entry.endsWith(u'/') || entry.endsWith(u'|') ? entry.chopped(1) : entry.section(u'@', 0, 0);
        QDir().mkpath(QFileInfo(path(name)).path());
        QFile file(path(name));
        entry.endsWith(u'/')       ? QDir().mkpath(path(name))
            : entry.contains(u'@') ? QFile::link(entry.section(u'@', 1), path(name))
            : entry.endsWith(u'|') ? ::mkfifo(QFile::encodeName(path(name)).constData(), 0644) == 0
                                   : file.open(QIODevice::WriteOnly) && file.write(content) >= 0;
        return url(name);
    }

    void add(const QStringList &entries) const
    {
        QList<QUrl> urls;
        for (const QString &entry : entries)
            urls.append(make(entry));
        vm->addFiles(urls);
        QVERIFY(added());
    }

    // Waits for a batch with a time limit, so a hang fails in seconds. On an event loop: qWaitFor
    // sleeps 10 ms between rounds of events, which a batch of short runs spent most of its time in.
    [[nodiscard]] static bool finish(QCoro::Task<void> task, int milliseconds = 5000)
    {
        bool done = false;
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        QCoro::connect(std::move(task), &loop, [&] { done = true, loop.quit(); });
        if (!done)
            loop.exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return done;
    }
    [[nodiscard]] bool convert(int milliseconds = 5000) const { return finish(vm->convert(), milliseconds); }
    // Waits until every addFiles() call is listed.
    [[nodiscard]] bool added() const
    {
        return QTest::qWaitFor([this] { return !vm->isAddingFiles(); }, 5000);
    }

    // Each record's status in words, paths relative to the scratch folder.
    [[nodiscard]] QStringList statuses() const
    {
        QStringList result;
        const auto text = [](std::optional<double> v) { return v ? QString::number(*v) : u"-"_qs; };
        for (const InputFile &file : vm->files()) {
            const InputFile::FileStatus &s = file.status();
            if (const auto *c = s.asConverting())
                result.append(u"converting %1 %2"_qs.arg(text(c->fraction), text(c->speed)) + (c->saving ? u" saving"_qs : QString()));
            else if (const auto *done = s.asDone())
                result.append(u"done "_qs + QDir(dir.path()).relativeFilePath(done->outputURL.toLocalFile())
                    + (done->shownNote().isEmpty() ? QString() : u" | "_qs + done->shownNote()));
            else
                result.append(s.isFailed() ? u"failed "_qs + s.asFailed()->reason : u"queued"_qs);
        }
        return result;
    }
};

#pragma once

// Stand-ins for the engine, the dialogs, the file browser and the clock, so the view model can
// be driven through its public interface with exact timing and scripted runs.

#include "engine/ffmpegrunner.h"
#include "queue/platformservices.h"
#include "queue/remuxviewmodel.h"

#include <QCoroSignal>
#include <QFile>
#include <QHash>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>

using namespace std::chrono_literals;

// A fake clock that moves only when a run or a sleep says so.
struct FakeTime {
    std::chrono::steady_clock::time_point now { std::chrono::hours(1000) };
    QList<std::chrono::milliseconds> sleeps;
    std::function<void()> onSleep; // sees the model at the moment the hold begins
};

inline QCoro::Task<void> fakeSleep(FakeTime *time, std::chrono::milliseconds duration)
{
    time->sleeps.append(duration);
    if (time->onSleep) {
        time->onSleep();
    }
    time->now += duration;
    co_return;
}

// Holds scripted runs until the test lets them go, so the test can act during a batch.
class Gate : public QObject
{
    Q_OBJECT
Q_SIGNALS:
    void released();
};

class FakeRunner : public FFmpegRunner
{
public:
    struct Script {
        QList<Progress> reports; // delivered in order, before the wait
        bool waitForRelease = false;
        std::chrono::microseconds runTime { 0 }; // how far the clock moves during the run
        std::optional<RunError> error;
        bool droppedDataTracks = false;
        // Like ffmpeg, a successful run creates the output file (when its folder exists).
        bool writeOutput = true;
        // Something another process might do while this file runs.
        std::function<void()> duringRun;
    };
    struct Call {
        QUrl input;
        QUrl output;
        OutputFormat format;
        bool outputExisted; // whether something was at the output path when remux was called
    };

    explicit FakeRunner(FakeTime *time)
        : m_time(time)
    { }

    bool available = true;
    Script defaultScript;
    QHash<QString, Script> scripts; // by the source's file name
    QList<Call> calls;
    ProgressHandler lastHandler;
    Gate gate;

    [[nodiscard]] std::optional<QUrl> locateFFmpeg() const override
    {
        return available ? std::optional<QUrl>(QUrl::fromLocalFile(QStringLiteral("/fake/ffmpeg"))) : std::nullopt;
    }

    QCoro::Task<RemuxOutcome> remux(QUrl input, QUrl output, OutputFormat format, ProgressHandler onProgress) override
    {
        calls.append({ input, output, format, QFile::exists(output.toLocalFile()) });
        lastHandler = onProgress;
        const Script script = scripts.value(input.fileName(), defaultScript);
        for (const Progress &report : script.reports) {
            onProgress(report);
        }
        if (script.duringRun) {
            script.duringRun();
        }
        if (script.waitForRelease) {
            auto released = qCoro(&gate, &Gate::released);
            co_await released;
        }
        m_time->now += script.runTime;
        if (script.error) {
            co_return RemuxOutcome { false, script.error };
        }
        if (script.writeOutput) {
            QFile file(output.toLocalFile());
            if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                file.write("remuxed");
            }
        }
        co_return RemuxOutcome { script.droppedDataTracks, std::nullopt };
    }

private:
    FakeTime *m_time;
};

class FakePicker : public FilePicker
{
public:
    FilesChoice files;
    FolderChoice folder;
    QStringList prompts;

    FilesChoice pickFiles(const QString &prompt) override
    {
        prompts.append(prompt);
        return files;
    }
    FolderChoice pickFolder(const QString &prompt) override
    {
        prompts.append(prompt);
        return folder;
    }
};

class FakeRevealer : public FileRevealer
{
public:
    QList<QUrl> revealed;
    void reveal(const QUrl &file) override { revealed.append(file); }
};

// One view model wired to the fakes. Heap-allocated so the clock's address stays put.
struct Harness {
    FakeTime time;
    FakeRunner *runner = nullptr;
    FakePicker *picker = nullptr;
    FakeRevealer *revealer = nullptr;
    std::unique_ptr<RemuxViewModel> vm;

    static std::unique_ptr<Harness> make()
    {
        auto h = std::make_unique<Harness>();
        FakeTime *time = &h->time;
        RemuxViewModel::Dependencies deps;
        auto runner = std::make_unique<FakeRunner>(time);
        auto picker = std::make_unique<FakePicker>();
        auto revealer = std::make_unique<FakeRevealer>();
        h->runner = runner.get();
        h->picker = picker.get();
        h->revealer = revealer.get();
        deps.runner = std::move(runner);
        deps.picker = std::move(picker);
        deps.revealer = std::move(revealer);
        deps.clock = [time] { return time->now; };
        deps.sleeper = [time](std::chrono::milliseconds duration) { return fakeSleep(time, duration); };
        h->vm = std::make_unique<RemuxViewModel>(std::move(deps));
        return h;
    }

    // Runs one batch to its end; the fakes never wait on the event loop unless gated.
    void convert() { QCoro::waitFor(vm->convert()); }
};

inline QUrl fileUrl(const QString &path)
{
    return QUrl::fromLocalFile(path);
}

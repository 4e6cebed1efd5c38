#pragma once

#include "engine/ffmpegrunner.h"

#include <QString>
#include <QUrl>
#include <QUuid>

#include <coroutine>
#include <optional>
#include <utility>

// One wait of the driver. Whatever comes first ends it: the step it waits for, Stop, or the
// driver's end. So no wait outlives the model: a driver that is woken by Stop or by quitting
// finds its batch stale and returns, and no frame of it is left suspended.
struct BatchWake {
    bool ended = false;
    std::coroutine_handle<> driver;

    void end()
    {
        ended = true;
        if (const std::coroutine_handle<> waiting = std::exchange(driver, {})) {
            waiting.resume();
        }
    }
    struct Ended {
        BatchWake *wake;
        [[nodiscard]] bool await_ready() const noexcept { return wake->ended; }
        void await_suspend(std::coroutine_handle<> handle) const noexcept { wake->driver = handle; }
        void await_resume() const noexcept { }
    };
};

// The run of the file in work, as Stop finds it.
struct BatchInWork : BatchWake {
    QUuid id;
    QUrl output;
    std::optional<FFmpegRunner::RemuxOutcome> outcome;
    // The engine is flushing and naming the finished file: Stop lets that end, and the row
    // then shows what came of it.
    bool saving = false;
};

struct BatchNamed : BatchWake {
    std::optional<QString> path; // none: the disk did not answer in time
};

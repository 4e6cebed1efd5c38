#include "engine/ffmpegprocess.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace
{
// A pipe nobody writes to, whose write end only Kestrune holds (it closes on exec): its read
// end reports the end of file once Kestrune is gone, however it died.
int lifelineReadEnd()
{
    static const int readEnd = [] {
        int ends[2] = { -1, -1 };
        return ::pipe2(ends, O_CLOEXEC) == 0 ? ends[0] : -1;
    }();
    return readEnd;
}

// Runs in a child forked from ffmpeg's before its exec, in ffmpeg's group: when Kestrune dies
// without stopping ffmpeg (SIGKILL, a crash), it kills the group, which the parent-death signal
// alone can't do for a wrapper's own children. It leaves quietly once ffmpeg has ended. Only
// async-signal-safe calls here.
[[noreturn]] void guard(int lifeline, pid_t leader)
{
    ::close_range(0, lifeline - 1, 0);
    ::close_range(lifeline + 1, ~0U, 0);
    pollfd watched { lifeline, POLLIN, 0 };
    for (;;) {
        if (::poll(&watched, 1, 1000) > 0) {
            ::kill(0, SIGKILL);
            ::_exit(0);
        }
        if (::getppid() != leader) {
            // Kestrune's files close before its children are handed on: one more look tells
            // whether ffmpeg ended or Kestrune did.
            if (::poll(&watched, 1, 0) > 0) {
                ::kill(0, SIGKILL);
            }
            ::_exit(0);
        }
    }
}

// How much the processes of ffmpeg's group have read and written so far, from any file: a
// wrapper's real ffmpeg counts, and so does the pass that moves an MP4 index to the front,
// during which ffmpeg reports nothing.
qint64 bytesMoved(qint64 group)
{
    qint64 total = 0;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!entry.front().isDigit() || !stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        // "pid (comm) state ppid pgrp …": the name may hold blanks and parentheses.
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        QFile io(QStringLiteral("/proc/%1/io").arg(entry));
        if (fields.size() < 3 || fields[2].toLongLong() != group || !io.open(QIODevice::ReadOnly)) {
            continue;
        }
        for (const QByteArray &counter : io.readAll().split('\n')) {
            if (counter.startsWith("rchar:") || counter.startsWith("wchar:")) {
                total += counter.mid(6).trimmed().toLongLong();
            }
        }
    }
    return total;
}
}

void FFmpegProcess::ErrorOutput::append(QByteArray bytes)
{
    if (!headDone) {
        const qsizetype newline = bytes.indexOf('\n');
        const qsizetype room = headLimit - head.size();
        const qsizetype taken = std::min(newline < 0 ? bytes.size() : newline + 1, room);
        head += bytes.first(taken);
        bytes.remove(0, taken);
        headDone = head.endsWith('\n') || head.size() >= headLimit;
    }
    tail += bytes;
    if (tail.size() > tailLimit) {
        tail.remove(0, tail.size() - tailLimit);
        cut = true;
    }
}

QByteArray FFmpegProcess::ErrorOutput::text() const
{
    if (!cut) {
        return head + tail;
    }
    // The tail starts at its first whole line.
    const qsizetype newline = tail.indexOf('\n');
    const QByteArray lines = newline >= 0 && newline + 1 < tail.size() ? tail.mid(newline + 1) : tail;
    return head + (head.endsWith('\n') ? "" : "\n") + lines;
}

FFmpegProcess::FFmpegProcess(const QString &program, const QStringList &arguments, std::chrono::milliseconds stallLimit)
    : m_process(new QProcess(this))
    , m_watchdog(new QTimer(this))
    , m_stallLimit(stallLimit)
{
    m_process->setProgram(program);
    m_process->setArguments(arguments);
    // ffmpeg reads keys from a terminal on stdin and changes its modes; it gets nothing to read.
    m_process->setStandardInputFile(QProcess::nullDevice());
    const pid_t parent = ::getpid();
    const int lifeline = lifelineReadEnd();
    m_process->setChildProcessModifier([parent, lifeline] {
        // Ctrl+C in a terminal signals the whole foreground group: ffmpeg would end the file as
        // a failure before Kestrune stops it. In a group of its own, only Kestrune ends it, and
        // ending the group ends whatever a wrapper started.
        ::setpgid(0, 0);
        // The signal comes when the thread that forked ends: this is the main thread, which
        // lives as long as the process.
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (::getppid() != parent) {
            ::_exit(127);
        }
        if (const pid_t leader = ::getpid(); lifeline >= 0 && ::fork() == 0) {
            guard(lifeline, leader);
        }
    });
    connect(m_process, &QProcess::readyReadStandardOutput, this, [this] {
        m_lastActivity = std::chrono::steady_clock::now();
        Q_EMIT changed();
    });
    connect(m_process, &QProcess::readyReadStandardError, this, [this] {
        m_lastActivity = std::chrono::steady_clock::now();
        m_errors.append(m_process->readAllStandardError());
    });
    connect(m_process, &QProcess::finished, this, [this](int exitCode, QProcess::ExitStatus status) {
        m_errors.append(m_process->readAllStandardError());
        // What the direct child left running (a wrapper's own children) goes with it.
        killGroup();
        finish(status == QProcess::NormalExit ? State::exited : State::signalled, exitCode);
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart || error == QProcess::ReadError) {
            m_errorString = m_process->errorString();
            killGroup();
            finish(error == QProcess::FailedToStart ? State::failedToStart : State::readError, 0);
        }
    });
    connect(m_watchdog, &QTimer::timeout, this, &FFmpegProcess::watch);
}

FFmpegProcess::~FFmpegProcess() = default;

void FFmpegProcess::start()
{
    m_process->start(QIODevice::ReadOnly);
    m_pid = m_process->processId();
    m_lastActivity = std::chrono::steady_clock::now();
    m_watchdog->start(std::clamp(m_stallLimit / 4, std::chrono::milliseconds(10), std::chrono::milliseconds(1000)));
}

QByteArray FFmpegProcess::readOutput()
{
    return m_process->readAllStandardOutput();
}

void FFmpegProcess::watch()
{
    // Reading and writing count as an answer: ffmpeg may read a long way into a file before it
    // reports.
    if (const qint64 moved = bytesMoved(m_pid); moved != m_lastBytesMoved) {
        m_lastBytesMoved = moved;
        m_lastActivity = std::chrono::steady_clock::now();
    }
    if (m_state == State::running && std::chrono::steady_clock::now() - m_lastActivity > m_stallLimit) {
        killGroup();
        finish(State::stalled, 0);
    }
}

void FFmpegProcess::killGroup()
{
    if (m_pid > 0) {
        // The group may not exist yet if the child has not reached setpgid; the child itself does.
        ::kill(-pid_t(m_pid), SIGKILL);
        if (m_process->state() != QProcess::NotRunning) {
            ::kill(pid_t(m_pid), SIGKILL);
        }
    }
}

void FFmpegProcess::finish(State state, int exitCode)
{
    m_watchdog->stop();
    if (m_state == State::running) {
        m_state = state;
        m_exitCode = exitCode;
        Q_EMIT changed();
    }
    if (m_released && m_process->state() == QProcess::NotRunning) {
        deleteLater();
        if (const auto afterDeath = std::exchange(m_afterDeath, nullptr)) {
            afterDeath();
        }
    }
}

void FFmpegProcess::release(std::function<void()> afterDeath)
{
    if (m_released) {
        return;
    }
    m_released = true;
    m_watchdog->stop();
    if (m_process->state() == QProcess::NotRunning) {
        deleteLater();
        return;
    }
    m_afterDeath = std::move(afterDeath);
    killGroup();
}

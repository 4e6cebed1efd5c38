#pragma once

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <chrono>
#include <functional>

class QProcess;
class QTimer;

// One run of the ffmpeg program. It runs in a process group of its own, which is signalled as
// a whole, so a wrapper script that starts the real ffmpeg without exec ends with it; the group
// dies with Kestrune, even when Kestrune is killed outright. Of ffmpeg's error output only what
// a failure reason needs is kept, however much it writes.
class FFmpegProcess : public QObject
{
    Q_OBJECT

public:
    enum class State { running, exited, signalled, failedToStart, readError, stalled };

    // The error output as kept: its first line (at most `headLimit` bytes) and its last
    // `tailLimit` bytes, so a source that makes ffmpeg complain per packet costs no memory.
    struct ErrorOutput {
        static constexpr qsizetype headLimit = 4096;
        static constexpr qsizetype tailLimit = 64 * 1024;
        QByteArray head;
        QByteArray tail;
        bool headDone = false;
        bool cut = false; // something between the head and the tail was dropped
        void append(QByteArray bytes);
        // All of it, or the first line and the last whole lines.
        [[nodiscard]] QByteArray text() const;
    };

    // `stallLimit`: how long ffmpeg may go without any output and without reading or writing
    // before it is killed as stalled.
    FFmpegProcess(const QString &program, const QStringList &arguments, std::chrono::milliseconds stallLimit);

    void start();

    // What ffmpeg wrote to its standard output since the last call.
    [[nodiscard]] QByteArray readOutput();

    [[nodiscard]] State state() const { return m_state; }
    // The exit status, or the signal's number when `signalled`.
    [[nodiscard]] int exitCode() const { return m_exitCode; }
    // Why it failed to start or its output broke off, in the platform's words.
    [[nodiscard]] QString errorString() const { return m_errorString; }
    [[nodiscard]] QByteArray errorOutput() const { return m_errors.text(); }

    // Kills the whole group at once and lets go: the object deletes itself once the kernel
    // hands the child back (a process stuck in the kernel can't die before it leaves it), then
    // calls `afterDeath`. Never blocks. The only way to end the object's life.
    void release(std::function<void()> afterDeath = {});

Q_SIGNALS:
    // Output arrived or the run ended: the owner looks at the state again.
    void changed();

private:
    ~FFmpegProcess() override;
    void killGroup();
    void finish(State state, int exitCode);
    void watch();

    QProcess *m_process;
    QTimer *m_watchdog;
    std::chrono::milliseconds m_stallLimit;
    std::chrono::steady_clock::time_point m_lastActivity;
    qint64 m_lastBytesMoved = -1;
    qint64 m_pid = 0;
    State m_state = State::running;
    int m_exitCode = 0;
    QString m_errorString;
    ErrorOutput m_errors;
    bool m_released = false;
    std::function<void()> m_afterDeath;
};

#pragma once

#include <QDBusConnection>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

// Runs a program to its end; what it printed, then "exit <code>" on a line of its own (-1 when
// it did not end in time or crashed).
inline QString run(
    const QString &program, const QStringList &arguments, const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment(), const QString &dir = {})
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(dir);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
    return QString::fromUtf8(process.readAll()) + "\nexit " + QString::number(ended ? process.exitCode() : -1);
}

// A private session bus and two connections to it, taken down with the object.
struct PrivateBus {
    QProcess daemon;
    QDBusConnection one { QString() }, two { QString() };
    ~PrivateBus() { daemon.kill(), daemon.waitForFinished(); }
    [[nodiscard]] bool open()
    {
        daemon.start("dbus-daemon", { "--session", "--nofork", "--print-address" });
        const QString address = daemon.waitForReadyRead(10000) ? QString::fromLatin1(daemon.readLine().trimmed()) : QString();
        one = QDBusConnection::connectToBus(address, "one"), two = QDBusConnection::connectToBus(address, "two");
        return one.isConnected() && two.isConnected();
    }
};

// A private X server and session bus for the real program, its settings and sockets in a
// scratch home; what it starts is killed by stop() or with the object.
struct Desktop {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QList<QProcess *> launched;
    QString workDir; // where started programs run
    ~Desktop() { stop(launched); }
    [[nodiscard]] bool open(const QStringList &folders)
    {
        QDir dir(home.path());
        for (const QString &folder : folders + QStringList { "runtime", "config" })
            if (!dir.mkpath(folder))
                return false;
        QFile::setPermissions(dir.filePath("runtime"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        // Each server prints where to reach it on its first line.
        const auto serve = [this](const QString &command) {
            QProcess *server = start("sh", { "-c", command });
            return server->waitForReadyRead(10000) ? QString::fromLatin1(server->readLine().trimmed()) : QString();
        };
        env.insert("DISPLAY", ':' + serve("exec Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>&1 >/dev/null 2>&1"));
        env.insert("DBUS_SESSION_BUS_ADDRESS", serve("exec dbus-daemon --session --nofork --print-address"));
        env.insert("QT_QPA_PLATFORM", "xcb"), env.insert("XDG_RUNTIME_DIR", dir.filePath("runtime")), env.insert("XDG_CONFIG_HOME", dir.filePath("config"));
        return env.value("DISPLAY") != ":" && !env.value("DBUS_SESSION_BUS_ADDRESS").isEmpty();
    }
    QProcess *start(const QString &program, const QStringList &arguments, const QProcessEnvironment &with = {})
    {
        auto *process = new QProcess;
        launched << process;
        process->setProcessEnvironment(with.isEmpty() ? env : with);
        process->setWorkingDirectory(workDir);
        process->start(program, arguments);
        return process;
    }
    static void stop(QList<QProcess *> &processes)
    {
        for (QProcess *process : std::as_const(processes))
            process->kill(), process->waitForFinished();
        qDeleteAll(std::exchange(processes, {}));
    }
    // Focuses the window (its id first) and types the keys into it.
    [[nodiscard]] bool press(const QString &window, const QString &keys) const
    {
        return run("xdotool", { "windowfocus", "--sync", window.section(u' ', 0, 0) }, env).endsWith("\nexit 0")
            && run("xdotool", { "key", keys }, env).endsWith("\nexit 0");
    }
};

#pragma once

#include <QDBusConnection>
#include <QProcess>

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

#pragma once

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

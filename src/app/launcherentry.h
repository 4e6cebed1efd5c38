#pragma once

#include <QDBusConnection>
#include <QString>
#include <QVariantMap>

// The batch's progress on the launcher's icon (com.canonical.Unity.LauncherEntry, read by
// docks and task managers): a bar for the whole batch and a badge with the files left.
class LauncherEntry
{
public:
    LauncherEntry(QDBusConnection sessionBus, const QString &desktopFileName);

    void show(double progress, int filesLeft);
    void clear();

private:
    void update(const QVariantMap &properties);

    QDBusConnection m_sessionBus;
    QString m_appUri;
    bool m_shown = false;
};

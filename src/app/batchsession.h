#pragma once

#include "app/desktopnotifier.h"
#include "app/launcherentry.h"
#include "app/sleepinhibitor.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>

// What the desktop learns of a batch: it keeps the computer awake while a batch runs, shows its
// progress on the launcher, and tells whoever has turned to another window that it is over.
// After quit() it asks for nothing more.
class BatchSession : public QObject
{
    Q_OBJECT

public:
    BatchSession(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent = nullptr);

    void setConverting(bool converting);
    void setProgress(double progress, int filesLeft);
    // Notifies unless the user is looking at the window.
    void finished(const QString &title, const QString &body, bool windowActive);
    // The user came back: the notification has done its work.
    void windowActivated();
    void quit();

Q_SIGNALS:
    // The notification was clicked.
    void activated(const QString &activationToken);

private:
    SleepInhibitor m_inhibitor;
    DesktopNotifier m_notifier;
    LauncherEntry m_launcher;
    bool m_converting = false;
    bool m_quit = false;
};

#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>
#include <QVariantMap>

// Keeps the computer awake while a batch runs: the desktop portal's suspend inhibitor, which the
// desktop's own idle suspend follows, and a "sleep" block from logind where there is one. The
// buses are handed in so another logind or portal can stand in. Where neither answers, holding
// does nothing. Main-thread only.
class SleepInhibitor : public QObject
{
    Q_OBJECT

public:
    SleepInhibitor(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent = nullptr);
    ~SleepInhibitor() override; // releases

    // Both return at once; the services answer later. A release before that answer still ends
    // the hold as soon as the answer comes.
    void hold(const QString &reason);
    void release();

private:
    void askLogind(const QString &reason, int generation);
    void askPortal(const QString &reason, int generation);
    void closePortalRequest(const QString &handle);

    QDBusConnection m_systemBus;
    QDBusConnection m_sessionBus;
    bool m_wanted = false;
    int m_generation = 0; // tells a late answer to a hold already released
    QDBusUnixFileDescriptor m_logindLock; // the hold lasts while this descriptor is open
    QString m_portalHandle;
};

// One desktop notification (org.freedesktop.Notifications) at a time; clicking it emits
// activated() with the activation token the service gave for the click (empty when it gave
// none). Without a notification service, notify() does nothing.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QDBusConnection sessionBus, QObject *parent = nullptr);

    void notify(const QString &title, const QString &body);
    // Takes the last notification down, if it is still up.
    void withdraw();

Q_SIGNALS:
    void activated(const QString &activationToken);

private Q_SLOTS:
    void onActivationToken(uint id, const QString &token);
    void onActionInvoked(uint id, const QString &action);

private:
    QDBusConnection m_sessionBus;
    uint m_id = 0; // the last notification's id, once the service has told it
    bool m_withdrawn = false; // withdrawn before the service told its id
    QString m_token;
};

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

#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

// Keeps the computer awake while a batch runs: a "sleep" block from logind, or where logind is
// out of reach, the desktop portal's suspend inhibitor. The buses are handed in so another
// logind or portal can stand in. Where neither answers, holding does nothing. Main-thread only.
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
// activated(). Without a notification service, notify() does nothing.
class DesktopNotifier : public QObject
{
    Q_OBJECT

public:
    explicit DesktopNotifier(QDBusConnection sessionBus, QObject *parent = nullptr);

    void notify(const QString &title, const QString &body);

Q_SIGNALS:
    void activated();

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &action);

private:
    QDBusConnection m_sessionBus;
    uint m_id = 0; // the last notification's id, once the service has told it
};

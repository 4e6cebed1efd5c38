#pragma once

#include <QDBusConnection>
#include <QDBusUnixFileDescriptor>
#include <QObject>
#include <QString>

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

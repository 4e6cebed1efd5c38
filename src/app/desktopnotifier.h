#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

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

#include "app/desktopnotifier.h"

#include "app/applicationid.h"
#include "app/dbuscall.h"

#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>
#include <utility>

namespace
{
const QString notificationService = QStringLiteral("org.freedesktop.Notifications");
} // namespace

DesktopNotifier::DesktopNotifier(QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_sessionBus(std::move(sessionBus))
{
    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    m_sessionBus.connect(notificationService, path, notificationService, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    m_sessionBus.connect(notificationService, path, notificationService, QStringLiteral("ActivationToken"), this, SLOT(onActivationToken(uint, QString)));
}

void DesktopNotifier::notify(const QString &title, const QString &body)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(notificationService, QStringLiteral("/org/freedesktop/Notifications"), notificationService, QStringLiteral("Notify"));
    // The "default" action is what a click on the notification itself does.
    call << QStringLiteral("Kestrune") << m_id << QString(kestruneApplicationId) << title << body
         << QStringList { QStringLiteral("default"), tr("Show Kestrune") }
         << QVariantMap { { QStringLiteral("desktop-entry"), QString(kestruneApplicationId) } } << -1;
    m_withdrawn = false;
    m_token.clear();
    DBusCall::async<QDBusPendingReply<uint>>(m_sessionBus, call, this, [this](const auto &reply) {
        if (reply.isError())
            return;
        m_id = reply.value();
        if (m_withdrawn)
            withdraw();
    });
}

void DesktopNotifier::withdraw()
{
    m_withdrawn = true;
    if (m_id == 0)
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        notificationService, QStringLiteral("/org/freedesktop/Notifications"), notificationService, QStringLiteral("CloseNotification"));
    call << std::exchange(m_id, 0);
    m_sessionBus.send(call);
}

void DesktopNotifier::onActivationToken(uint id, const QString &token)
{
    // Sent just before ActionInvoked, so the window may come forward on Wayland.
    if (id == m_id && id != 0)
        m_token = token;
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (id == m_id && id != 0 && action == u"default")
        Q_EMIT activated(std::exchange(m_token, QString()));
}

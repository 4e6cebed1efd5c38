#include "app/desktopsession.h"

#include "app/kestruneapp.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <utility>

namespace
{

const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString notificationService = QStringLiteral("org.freedesktop.Notifications");
constexpr uint portalSuspendFlag = 4;

// Calls a method without waiting; `onReply` runs with the finished call on `context`'s thread.
template<typename Reply, typename Handler> void callAsync(QDBusConnection &bus, const QDBusMessage &message, QObject *context, Handler onReply)
{
    // A call on a bus that is not there would never report back; it fails at once instead.
    const QDBusPendingCall call
        = bus.isConnected() ? bus.asyncCall(message) : QDBusPendingCall::fromError(QDBusError(QDBusError::Disconnected, QStringLiteral("No bus")));
    auto *watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, onReply] {
        watcher->deleteLater();
        onReply(Reply(*watcher));
    });
}

} // namespace

SleepInhibitor::SleepInhibitor(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_systemBus(std::move(systemBus))
    , m_sessionBus(std::move(sessionBus))
{ }

SleepInhibitor::~SleepInhibitor()
{
    release();
}

void SleepInhibitor::hold(const QString &reason)
{
    if (m_wanted)
        return;
    m_wanted = true;
    const int generation = ++m_generation;
    QDBusMessage call = QDBusMessage::createMethodCall(
        logindService, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Kestrune") << reason << QStringLiteral("block");
    callAsync<QDBusPendingReply<QDBusUnixFileDescriptor>>(m_systemBus, call, this, [this, reason, generation](const auto &reply) {
        if (generation != m_generation)
            return; // released meanwhile: the descriptor closes with the reply
        if (reply.isError() || !reply.value().isValid())
            askPortal(reason, generation);
        else
            m_logindLock = reply.value();
    });
}

void SleepInhibitor::askPortal(const QString &reason, int generation)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << portalSuspendFlag << QVariantMap { { QStringLiteral("reason"), reason } };
    callAsync<QDBusPendingReply<QDBusObjectPath>>(m_sessionBus, call, this, [this, generation](const auto &reply) {
        if (reply.isError())
            return;
        if (generation == m_generation)
            m_portalHandle = reply.value().path();
        else
            closePortalRequest(reply.value().path());
    });
}

void SleepInhibitor::release()
{
    if (!m_wanted)
        return;
    m_wanted = false;
    ++m_generation;
    m_logindLock = QDBusUnixFileDescriptor();
    if (!m_portalHandle.isEmpty())
        closePortalRequest(std::exchange(m_portalHandle, QString()));
}

void SleepInhibitor::closePortalRequest(const QString &handle)
{
    m_sessionBus.send(QDBusMessage::createMethodCall(portalService, handle, QStringLiteral("org.freedesktop.portal.Request"), QStringLiteral("Close")));
}

DesktopNotifier::DesktopNotifier(QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_sessionBus(std::move(sessionBus))
{
    m_sessionBus.connect(notificationService, QStringLiteral("/org/freedesktop/Notifications"), notificationService, QStringLiteral("ActionInvoked"), this,
        SLOT(onActionInvoked(uint, QString)));
}

void DesktopNotifier::notify(const QString &title, const QString &body)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(notificationService, QStringLiteral("/org/freedesktop/Notifications"), notificationService, QStringLiteral("Notify"));
    // The "default" action is what a click on the notification itself does.
    call << QStringLiteral("Kestrune") << m_id << QString(KestruneApp::applicationId) << title << body
         << QStringList { QStringLiteral("default"), QStringLiteral("Show Kestrune") }
         << QVariantMap { { QStringLiteral("desktop-entry"), QString(KestruneApp::applicationId) } } << -1;
    callAsync<QDBusPendingReply<uint>>(m_sessionBus, call, this, [this](const auto &reply) {
        if (!reply.isError())
            m_id = reply.value();
    });
}

void DesktopNotifier::onActionInvoked(uint id, const QString &action)
{
    if (id == m_id && id != 0 && action == u"default")
        Q_EMIT activated();
}

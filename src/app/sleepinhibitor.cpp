#include "app/sleepinhibitor.h"

#include "app/dbuscall.h"

#include <QDBusObjectPath>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <utility>

namespace
{
const QString logindService = QStringLiteral("org.freedesktop.login1");
const QString portalService = QStringLiteral("org.freedesktop.portal.Desktop");
constexpr uint portalSuspendFlag = 4;
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
    askLogind(reason, generation);
    askPortal(reason, generation);
}

void SleepInhibitor::askLogind(const QString &reason, int generation)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        logindService, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Kestrune") << reason << QStringLiteral("block");
    DBusCall::async<QDBusPendingReply<QDBusUnixFileDescriptor>>(m_systemBus, call, this, [this, generation](const auto &reply) {
        // Released meanwhile, the descriptor closes with the reply.
        if (generation == m_generation && !reply.isError())
            m_logindLock = reply.value();
    });
}

void SleepInhibitor::askPortal(const QString &reason, int generation)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        portalService, QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << portalSuspendFlag << QVariantMap { { QStringLiteral("reason"), reason } };
    DBusCall::async<QDBusPendingReply<QDBusObjectPath>>(m_sessionBus, call, this, [this, generation](const auto &reply) {
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

#include "app/desktopsession.h"

#include "app/kestruneapp.h"

#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <algorithm>
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
    askLogind(reason, generation);
    askPortal(reason, generation);
}

void SleepInhibitor::askLogind(const QString &reason, int generation)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        logindService, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep") << QStringLiteral("Kestrune") << reason << QStringLiteral("block");
    callAsync<QDBusPendingReply<QDBusUnixFileDescriptor>>(m_systemBus, call, this, [this, generation](const auto &reply) {
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
    const QString path = QStringLiteral("/org/freedesktop/Notifications");
    m_sessionBus.connect(notificationService, path, notificationService, QStringLiteral("ActionInvoked"), this, SLOT(onActionInvoked(uint, QString)));
    m_sessionBus.connect(notificationService, path, notificationService, QStringLiteral("ActivationToken"), this, SLOT(onActivationToken(uint, QString)));
}

void DesktopNotifier::notify(const QString &title, const QString &body)
{
    QDBusMessage call
        = QDBusMessage::createMethodCall(notificationService, QStringLiteral("/org/freedesktop/Notifications"), notificationService, QStringLiteral("Notify"));
    // The "default" action is what a click on the notification itself does.
    call << QStringLiteral("Kestrune") << m_id << QString(KestruneApp::applicationId) << title << body
         << QStringList { QStringLiteral("default"), tr("Show Kestrune") }
         << QVariantMap { { QStringLiteral("desktop-entry"), QString(KestruneApp::applicationId) } } << -1;
    m_withdrawn = false;
    m_token.clear();
    callAsync<QDBusPendingReply<uint>>(m_sessionBus, call, this, [this](const auto &reply) {
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

LauncherEntry::LauncherEntry(QDBusConnection sessionBus, const QString &desktopFileName)
    : m_sessionBus(std::move(sessionBus))
    , m_appUri(QStringLiteral("application://%1.desktop").arg(desktopFileName))
{ }

void LauncherEntry::show(double progress, int filesLeft)
{
    m_shown = true;
    update({ { QStringLiteral("progress"), std::clamp(progress, 0.0, 1.0) }, { QStringLiteral("progress-visible"), true },
        { QStringLiteral("count"), qint64(filesLeft) }, { QStringLiteral("count-visible"), filesLeft > 0 } });
}

void LauncherEntry::clear()
{
    if (std::exchange(m_shown, false))
        update({ { QStringLiteral("progress-visible"), false }, { QStringLiteral("count-visible"), false } });
}

void LauncherEntry::update(const QVariantMap &properties)
{
    QDBusMessage signal = QDBusMessage::createSignal(
        QStringLiteral("/org/kestrune/Kestrune/LauncherEntry"), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"));
    signal << m_appUri << properties;
    m_sessionBus.send(signal);
}

BatchSession::BatchSession(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_inhibitor(std::move(systemBus), sessionBus)
    , m_notifier(sessionBus)
    , m_launcher(sessionBus, QString(KestruneApp::applicationId))
{
    connect(&m_notifier, &DesktopNotifier::activated, this, &BatchSession::activated);
}

void BatchSession::setConverting(bool converting)
{
    if (m_quit || converting == std::exchange(m_converting, converting))
        return;
    if (converting) {
        m_inhibitor.hold(tr("Converting video files"));
    } else {
        m_inhibitor.release();
        m_launcher.clear();
    }
}

void BatchSession::setProgress(double progress, int filesLeft)
{
    if (m_converting && !m_quit)
        m_launcher.show(progress, filesLeft);
}

void BatchSession::finished(const QString &title, const QString &body, bool windowActive)
{
    if (!m_quit && !windowActive)
        m_notifier.notify(title, body);
}

void BatchSession::windowActivated()
{
    m_notifier.withdraw();
}

void BatchSession::quit()
{
    m_quit = true;
    m_converting = false;
    m_inhibitor.release();
    m_launcher.clear();
}

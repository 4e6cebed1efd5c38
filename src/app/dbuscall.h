#pragma once

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QObject>

namespace DBusCall
{

// Calls a method without waiting; `onReply` runs with the finished call on `context`'s thread.
template<typename Reply, typename Handler> void async(QDBusConnection &bus, const QDBusMessage &message, QObject *context, Handler onReply)
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

} // namespace DBusCall

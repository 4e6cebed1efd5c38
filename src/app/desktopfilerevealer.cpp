#include "app/desktopfilerevealer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>

namespace
{
const QString fileManagerService = QStringLiteral("org.freedesktop.FileManager1");
const QString fileManagerPath = QStringLiteral("/org/freedesktop/FileManager1");

void openContainingFolder(const QUrl &file)
{
    QDesktopServices::openUrl(file.adjusted(QUrl::RemoveFilename));
}
}

DesktopFileRevealer::DesktopFileRevealer(const QDBusConnection &bus)
    : m_bus(bus)
{ }

void DesktopFileRevealer::reveal(const QUrl &file)
{
    const QDBusConnection bus = m_bus.value_or(QDBusConnection::sessionBus());
    if (!bus.isConnected()) {
        openContainingFolder(file);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(fileManagerService, fileManagerPath, fileManagerService, QStringLiteral("ShowItems"));
    call << QStringList { file.toString(QUrl::FullyEncoded) } << QString();
    // Asynchronous: a file manager that is slow to start must not freeze the window, and an
    // error (nobody owns the name, no activatable service) means nobody will show the file.
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [file](QDBusPendingCallWatcher *finished) {
        if (finished->isError()) {
            openContainingFolder(file);
        }
        finished->deleteLater();
    });
}

#include "app/applicationservice.h"

#include "app/localpaths.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QWindow>
#include <cstdlib>
#include <unistd.h>
#include <xcb/xcb.h>

namespace
{

const QString applicationInterface = QStringLiteral("org.freedesktop.Application");
const QString activationTokenKey = QStringLiteral("activation-token");
const QString startupIdKey = QStringLiteral("desktop-startup-id");

} // namespace

ApplicationService::ApplicationService(QDBusConnection bus, const QString &applicationId, QObject *parent)
    : QObject(parent)
    , m_bus(std::move(bus))
    , m_name(applicationId)
    , m_path(u'/' + QString(applicationId).replace(u'.', u'/'))
{ }

ApplicationService::Claim ApplicationService::claim(const QList<QUrl> &files, const QVariantMap &platformData, int timeoutMs)
{
    if (!m_bus.isConnected() || !m_bus.registerObject(m_path, this, QDBusConnection::ExportScriptableSlots))
        return Claim::NoBus;
    // One round trip to the bus, which answers at once: it never waits on another process.
    const auto reply = m_bus.interface()->registerService(m_name, QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        m_owned = true;
        return Claim::Owned;
    }
    m_bus.unregisterObject(m_path);
    if (!reply.isValid())
        return Claim::NoBus;
    // Fully encoded, as URIs on the bus should be: a strict reader refuses a decoded one holding a
    // blank or a letter that is not ASCII.
    QStringList uris;
    for (const QUrl &file : files)
        uris << file.toString(QUrl::FullyEncoded);
    QDBusMessage call
        = QDBusMessage::createMethodCall(m_name, m_path, applicationInterface, uris.isEmpty() ? QStringLiteral("Activate") : QStringLiteral("Open"));
    if (!uris.isEmpty())
        call << uris;
    call << platformData;
    return m_bus.call(call, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage ? Claim::HandedOver : Claim::NoAnswer;
}

void ApplicationService::release()
{
    if (!std::exchange(m_owned, false))
        return;
    m_bus.unregisterObject(m_path);
    m_bus.unregisterService(m_name);
}

QVariantMap ApplicationService::platformDataFrom(const QProcessEnvironment &environment)
{
    QVariantMap data;
    if (const QString token = environment.value(QStringLiteral("XDG_ACTIVATION_TOKEN")); !token.isEmpty())
        data.insert(activationTokenKey, token);
    if (const QString id = environment.value(QStringLiteral("DESKTOP_STARTUP_ID")); !id.isEmpty())
        data.insert(startupIdKey, id);
    return data;
}

void ApplicationService::useActivationToken(const QVariantMap &platformData)
{
    // Qt's Wayland shell hands XDG_ACTIVATION_TOKEN to xdg-activation at the next activation
    // request, and only once. X11 launchers give a startup id instead.
    if (const QString token = platformData.value(activationTokenKey).toString(); !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    m_startupId = platformData.value(startupIdKey, platformData.value(activationTokenKey)).toString();
}

void ApplicationService::bringForward(QWindow *window)
{
    if (window->visibility() == QWindow::Minimized || !window->isVisible())
        window->showNormal();
    window->raise();
    window->requestActivate();
    // Qt asks an X11 window manager with the time of the last event it saw, which is older
    // than the user's click and so refused by focus-stealing prevention; the startup id carries
    // the click's time ("..._TIME<n>"), and a request with it is granted.
    static const QRegularExpression clickTime(QStringLiteral("_TIME(\\d+)$"));
    const QRegularExpressionMatch match = clickTime.match(std::exchange(m_startupId, QString()));
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!match.hasMatch() || !x11)
        return;
    xcb_connection_t *connection = x11->connection();
    const QByteArray name("_NET_ACTIVE_WINDOW");
    xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, name.size(), name.constData()), nullptr);
    if (!atom)
        return;
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window->winId());
    event.type = atom->atom;
    event.data.data32[0] = 1; // from an application
    event.data.data32[1] = match.captured(1).toUInt();
    free(atom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT, reinterpret_cast<const char *>(&event));
    xcb_flush(connection);
}

QUrl ApplicationService::urlFrom(const QByteArray &location)
{
    // A plain path has no scheme; a URL's scheme is longer than one letter, so "C:" never
    // counts, and a relative name holding a colon ("take:2.mp4") is a URL only when "//" follows.
    // Read tolerantly: blanks and what is not ASCII are encoded first, so a URL written by hand
    // or by a careless sender still parses; in a file URL, "#" and "?" belong to the name.
    // Text only: the disk is never asked, so a dead share cannot hold this up.
    const bool fileUrl = location.size() >= 5 && qstrnicmp(location.constData(), "file:", 5) == 0;
    const QUrl url = QUrl::fromEncoded(LocalPaths::encoded(location, fileUrl ? "#?[]" : ""), QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1 && !location.startsWith('/') && (url.isLocalFile() || location.contains("://")))
        return url;
    QByteArray path = location;
    if (!path.startsWith('/')) {
        // The bytes of the current folder, which need not be text either.
        char *current = ::getcwd(nullptr, 0);
        path.prepend(current ? QByteArray(current) + '/' : QFile::encodeName(QDir::currentPath()) + '/');
        std::free(current);
    }
    return LocalPaths::fileUrl(path);
}

void ApplicationService::Activate(const QVariantMap &platformData)
{
    useActivationToken(platformData);
    Q_EMIT activateRequested();
}

void ApplicationService::Open(const QStringList &uris, const QVariantMap &platformData)
{
    useActivationToken(platformData);
    QList<QUrl> files;
    for (const QString &uri : uris)
        files << urlFrom(uri.toUtf8());
    Q_EMIT openRequested(files);
}

void ApplicationService::ActivateAction(const QString &actionName, const QVariantList &, const QVariantMap &platformData)
{
    useActivationToken(platformData);
    if (actionName == u"quit")
        Q_EMIT quitRequested();
    else if (calledFromDBus())
        sendErrorReply(QDBusError::NotSupported, QStringLiteral("No action named \"%1\"").arg(actionName));
}

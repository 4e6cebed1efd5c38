#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QList>
#include <QObject>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

// The application's presence on the session bus, as launchers and file managers expect of a
// desktop application (org.freedesktop.Application): one process per session owns the
// application id's name; a second launch hands its files to that process and leaves. The bus is
// handed in so tests can use a private one. Main-thread only.
class QWindow;

class ApplicationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    enum class Claim {
        Owned, // this process is the application now
        HandedOver, // the running one took the request
        NoAnswer, // another process holds the name but did not answer in time
        NoBus, // nobody to ask: run alone
    };

    ApplicationService(QDBusConnection bus, const QString &applicationId, QObject *parent = nullptr);

    // Takes the name, or when another process holds it, asks that one to open `files` (to show
    // itself when there are none), waiting at most `timeoutMs` for its answer. `platformData`
    // carries the launcher's activation token along.
    Claim claim(const QList<QUrl> &files, const QVariantMap &platformData, int timeoutMs);
    // Gives the name up, so a launch from now on starts a process of its own.
    void release();

    // The activation token and startup id a launcher left in `environment`, as platform data.
    static QVariantMap platformDataFrom(const QProcessEnvironment &environment);
    // Keeps the token in `platformData` for the next bringForward().
    void useActivationToken(const QVariantMap &platformData);
    // Shows, raises and activates `window`, with the last token given, so the desktop grants
    // it the focus: on Wayland through xdg-activation, on X11 with the time of the user's click.
    void bringForward(QWindow *window);
    // A location as it arrives from outside, as bytes (a command line argument, or a D-Bus
    // string's UTF-8): a URL, or a plain path, whose bytes the URL keeps exactly.
    static QUrl urlFrom(const QByteArray &location);

public Q_SLOTS:
    Q_SCRIPTABLE void Activate(const QVariantMap &platformData);
    Q_SCRIPTABLE void Open(const QStringList &uris, const QVariantMap &platformData);
    Q_SCRIPTABLE void ActivateAction(const QString &actionName, const QVariantList &parameter, const QVariantMap &platformData);

Q_SIGNALS:
    // Each comes after the request's token has been kept.
    void activateRequested();
    void openRequested(const QList<QUrl> &files);
    void quitRequested();

private:
    QDBusConnection m_bus;
    QString m_name;
    QString m_path;
    bool m_owned = false;
    QString m_startupId;
};

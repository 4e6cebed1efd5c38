#include "app/batchsession.h"

#include "app/applicationid.h"

#include <utility>

BatchSession::BatchSession(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent)
    : QObject(parent)
    , m_inhibitor(std::move(systemBus), sessionBus)
    , m_notifier(sessionBus)
    , m_launcher(sessionBus, QString(kestruneApplicationId))
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

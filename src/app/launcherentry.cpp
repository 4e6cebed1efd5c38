#include "app/launcherentry.h"

#include <QDBusMessage>
#include <algorithm>
#include <utility>

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

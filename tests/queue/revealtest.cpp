#include "queue/desktopservices.h"

#include <QDBusConnection>
#include <QTest>

// Stands in for the desktop's file manager on the test's private session bus.
class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QStringList> shown;
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &) { shown.append(uris); }
};

class RevealTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileManagerShowsTheOutput()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "run under dbus-run-session");
        FakeFileManager manager;
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        DesktopFileRevealer().reveal(QUrl::fromLocalFile(QStringLiteral("/nowhere/my clip.mkv")));
        QTRY_COMPARE_WITH_TIMEOUT(manager.shown, QList<QStringList> { { QStringLiteral("file:///nowhere/my%20clip.mkv") } }, 5000);
    }
};

QTEST_GUILESS_MAIN(RevealTest)
#include "revealtest.moc"

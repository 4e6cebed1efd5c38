// Revealing a converted file on a private session bus: a fake file manager must be asked to
// show the output file, and without one the containing folder is opened instead.

#include "queuefakes.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDesktopServices>
#include <QTemporaryFile>
#include <QTest>
#include <csignal>
#include <cstdio>

namespace
{
// A bus of our own with no activatable services, so no real file manager can answer.
class PrivateBus
{
public:
    bool start()
    {
        m_config.setFileTemplate(QDir::tempPath() + QStringLiteral("/kestrune-bus-XXXXXX.conf"));
        if (!m_config.open()) {
            return false;
        }
        m_config.write("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\" "
                       "\"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                       "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                       "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                       "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        m_config.flush();
        const QByteArray command = "dbus-daemon --fork --print-address=1 --print-pid=1 --config-file=" + m_config.fileName().toLocal8Bit();
        FILE *out = popen(command.constData(), "r");
        if (out == nullptr) {
            return false;
        }
        char line[512];
        if (fgets(line, sizeof line, out) != nullptr) {
            m_address = QByteArray(line).trimmed();
        }
        if (fgets(line, sizeof line, out) != nullptr) {
            m_pid = QByteArray(line).trimmed().toInt();
        }
        pclose(out);
        return !m_address.isEmpty() && m_pid > 0;
    }
    ~PrivateBus()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
        }
    }
    [[nodiscard]] QByteArray address() const { return m_address; }

private:
    QTemporaryFile m_config;
    QByteArray m_address;
    pid_t m_pid = 0;
};

class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QList<QStringList> shown;
public Q_SLOTS:
    void ShowItems(const QStringList &uris, const QString &startupId)
    {
        Q_UNUSED(startupId);
        shown.append(uris);
    }
};

class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public Q_SLOTS:
    void open(const QUrl &url) { opened.append(url); }
};
}

class RevealTest : public QObject
{
    Q_OBJECT

private:
    // A model with the real revealer and a scripted runner; its one file has been converted.
    static std::unique_ptr<RemuxViewModel> convertedModel()
    {
        RemuxViewModel::Dependencies deps;
        auto time = std::make_shared<FakeTime>();
        deps.runner = std::make_unique<FakeRunner>(time.get());
        deps.picker = std::make_unique<FakePicker>();
        deps.clock = [time] { return time->now; };
        deps.sleeper = [time](std::chrono::milliseconds duration) { return fakeSleep(time.get(), duration); };
        auto vm = std::make_unique<RemuxViewModel>(std::move(deps));
        vm->addFiles({ QUrl::fromLocalFile(QStringLiteral("/nowhere/clip.mov")) });
        QCoro::waitFor(vm->convert());
        return vm;
    }

private Q_SLOTS:
    void noFileManagerOpensTheFolder()
    {
        OpenedUrls urls;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");
        auto vm = convertedModel();
        vm->reveal(vm->files().at(0));
        QTRY_COMPARE(urls.opened, QList<QUrl> { QUrl::fromLocalFile(QStringLiteral("/nowhere/")) });
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }

    void fileManagerShowsTheOutput()
    {
        QDBusConnection service
            = QDBusConnection::connectToBus(QString::fromLocal8Bit(qgetenv("DBUS_SESSION_BUS_ADDRESS")), QStringLiteral("fake-file-manager"));
        QVERIFY(service.isConnected());
        FakeFileManager manager;
        QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), &manager, QDBusConnection::ExportAllSlots));
        QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));
        OpenedUrls urls;
        QDesktopServices::setUrlHandler(QStringLiteral("file"), &urls, "open");

        auto vm = convertedModel();
        vm->reveal(vm->files().at(0));
        QTRY_COMPARE(manager.shown, QList<QStringList> { QStringList { QStringLiteral("file:///nowhere/clip.mkv") } });
        // Only a done file is shown: a queued one is not.
        vm->addFiles({ QUrl::fromLocalFile(QStringLiteral("/nowhere/other.mov")) });
        vm->reveal(vm->files().at(1));
        QTest::qWait(100);
        QCOMPARE(manager.shown.size(), 1);
        QVERIFY(urls.opened.isEmpty());
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
    }
};

int main(int argc, char *argv[])
{
    // The bus must be in place before anything in the process connects to the session bus.
    PrivateBus bus;
    if (!bus.start()) {
        std::fprintf(stderr, "could not start a private dbus-daemon\n");
        return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.address());
    QApplication app(argc, argv);
    RevealTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "revealtest.moc"

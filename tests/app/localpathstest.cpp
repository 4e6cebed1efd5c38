#include "app/localpaths.h"

#include <QTemporaryDir>
#include <QTest>

// Remote locations from a file manager: a stand-in `gio` answers as GVfs does for a mounted
// location, fails for one it cannot reach, or hangs on a dead mount.
class LocalPathsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QFile gio(m_dir.filePath("gio"));
        QVERIFY(gio.open(QIODevice::WriteOnly));
        // As gio, it prints the local path's own bytes, decoded from the URL.
        gio.write("#!/bin/bash\ncase \"$4\" in\n"
                  "  sftp://host/*) p=${4#sftp://host/}; printf 'display name: x\\nlocal path: /run/user/1/gvfs/sftp:host=host/%b\\n' \"${p//%/\\\\x}\" ;;\n"
                  "  smb://slow/*) exec sleep 10 ;;\n"
                  "  *) echo 'gio: not supported' >&2; exit 1 ;;\nesac\n");
        gio.close();
        QVERIFY(gio.setPermissions(gio.permissions() | QFile::ExeOwner));
    }

    void resolve_data()
    {
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QStringList>("resolved");
        QTest::addRow("local") << QStringList { "file:///m/a.mp4" } << QStringList { "file:///m/a.mp4" };
        QTest::addRow("mounted, in order, the bytes of the names kept")
            << QStringList { "sftp://host/v/b%20c.mp4", "file:///m/a.mp4", "sftp://host/x%FF.mkv" }
            << QStringList { "file:///run/user/1/gvfs/sftp:host=host/v/b c.mp4", "file:///m/a.mp4", "file:///run/user/1/gvfs/sftp:host=host/x%FF.mkv" };
        QTest::addRow("not mounted") << QStringList { "smb://server/share/d.mp4" } << QStringList { "smb://server/share/d.mp4" };
        QTest::addRow("dead mount") << QStringList { "smb://slow/e.mp4", "sftp://host/f.mp4" }
                                    << QStringList { "smb://slow/e.mp4", "file:///run/user/1/gvfs/sftp:host=host/f.mp4" };
    }
    void resolve()
    {
        QFETCH(QStringList, urls);
        QFETCH(QStringList, resolved);
        // No kio-fuse here: a session without one.
        LocalPathResolver resolver(QDBusConnection(QString()), m_dir.filePath("gio"));
        QStringList got;
        bool done = false;
        resolver.resolve(
            QUrl::fromStringList(urls), [&](const QList<QUrl> &result) { got = QUrl::toStringList(result), done = true; }, 500);
        QTRY_VERIFY(done);
        QCOMPARE(got, resolved);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(LocalPathsTest)
#include "localpathstest.moc"

#include "run.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Builds the Debian package as the README says, and checks what installing it brings and needs.
class PackageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString built = run(KESTRUNE_CPACK_COMMAND, { "--config", KESTRUNE_BINARY_DIR "/CPackConfig.cmake", "-B", m_dir.path() });
        QVERIFY2(built.endsWith("\nexit 0"), qPrintable(built));
        m_env.insert("DEB", m_dir.filePath(QDir(m_dir.path()).entryList({ "kestrune_*.deb" }).value(0)));
        m_env.insert("ROOT", m_dir.filePath("root"));
        m_env.insert("ENTRY", m_dir.filePath("root/usr/share/applications/org.kestrune.Kestrune.desktop"));
        m_env.insert("INFO", m_dir.filePath("root/usr/share/metainfo/org.kestrune.Kestrune.metainfo.xml"));
        QVERIFY(run("dpkg-deb", { "-x", m_env.value("DEB"), m_env.value("ROOT") }).endsWith("\nexit 0"));
    }

    void package_data()
    {
        QTest::addColumn<QString>("command"); // a shell command, with the package in $DEB, unpacked in $ROOT
        QTest::addColumn<QRegularExpression>("pattern");
        const QString depends = "dpkg-deb -f $DEB Depends", ok = "\nexit 0$";
        // The program, its launcher entry, metainfo and icon, and no other file.
        QTest::addRow("contents")
            << "dpkg-deb -c $DEB | grep -v '^d' | sed 's/.* \\.//' | sort"
            << QRegularExpression(
                   "^/usr/bin/kestrune\n/usr/share/applications/org.kestrune.Kestrune.desktop\n"
                   "/usr/share/icons/hicolor/scalable/apps/org.kestrune.Kestrune.svg\n/usr/share/metainfo/org.kestrune.Kestrune.metainfo.xml\n\nexit 0$");
        QTest::addRow("version") << "dpkg-deb -f $DEB Package Version" << QRegularExpression("^Package: kestrune\nVersion: " KESTRUNE_VERSION "\n");
        QTest::addRow("runs ffmpeg") << depends << QRegularExpression("(^|, )ffmpeg(,|\n)");
        QTest::addRow("Qt libraries") << depends << QRegularExpression("libqt6core6 \\(>= 6\\.4\\.0\\), .*libqt6quick6");
        QTest::addRow("QML modules") << depends << QRegularExpression("qml6-module-qtquick-controls, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes");
        QTest::addRow("Wayland, CJK font") << "dpkg-deb -f $DEB Recommends" << QRegularExpression("^qt6-wayland, fonts-noto-cjk \\| fonts-wqy-microhei\n");
        QTest::addRow("entry valid") << "desktop-file-validate $ENTRY" << QRegularExpression("^" + ok);
        QTest::addRow("metainfo valid") << "appstreamcli validate --no-net $INFO" << QRegularExpression(ok);
        // Opening files with Kestrune offers it for the media types the software centre lists.
        QTest::addRow("entry types") << "grep -o '<mediatype>[^<]*' $INFO | cut -c12- | tr '\\n' ';'; grep ^MimeType= $ENTRY"
                                     << QRegularExpression("^(video/x-matroska;[^\n]+)MimeType=\\1\n");
        QTest::addRow("entry program") << "grep ^Exec= $ENTRY && test -x $ROOT/usr/bin/kestrune" << QRegularExpression("^Exec=kestrune %U\n" + ok);
        QTest::addRow("entry icon") << "ls $ROOT/usr/share/icons/hicolor/*/apps/$(sed -n 's/^Icon=//p' $ENTRY).*" << QRegularExpression(".svg\n" + ok);
    }
    void package()
    {
        QFETCH(QString, command);
        QFETCH(QRegularExpression, pattern);
        const QString output = run("sh", { "-c", command }, m_env);
        QVERIFY2(output.contains(pattern), qPrintable(output));
    }

private:
    QTemporaryDir m_dir;
    QProcessEnvironment m_env = QProcessEnvironment::systemEnvironment();
};

QTEST_GUILESS_MAIN(PackageTest)
#include "packagetest.moc"

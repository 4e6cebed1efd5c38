#include "run.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Builds the Debian package twice as the README says, and checks it as Debian's tools would:
// lintian, the desktop entry and metainfo validators, and byte-for-byte reproducibility.
class PackageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        for (const QString &dir : { "one", "two" }) {
            const QString built = run(KESTRUNE_CPACK_COMMAND, { "--config", KESTRUNE_BINARY_DIR "/CPackConfig.cmake", "-B", m_dir.filePath(dir) });
            QVERIFY2(built.endsWith("\nexit 0"), qPrintable(built));
        }
        const auto deb = [this](const QString &dir) { return m_dir.filePath(dir + '/' + QDir(m_dir.filePath(dir)).entryList({ "kestrune_*.deb" }).value(0)); };
        m_env.insert("DEB", deb("one"));
        m_env.insert("DEB2", deb("two"));
        m_env.insert("ROOT", m_dir.filePath("root"));
        m_env.insert("ENTRY", m_dir.filePath("root/usr/share/applications/org.kestrune.Kestrune.desktop"));
        m_env.insert("INFO", m_dir.filePath("root/usr/share/metainfo/org.kestrune.Kestrune.metainfo.xml"));
        m_env.insert("SERVICE", m_dir.filePath("root/usr/share/dbus-1/services/org.kestrune.Kestrune.service"));
        QVERIFY(run("dpkg-deb", { "-x", m_env.value("DEB"), m_env.value("ROOT") }).endsWith("\nexit 0"));
    }

    void package_data()
    {
        QTest::addColumn<QString>("command"); // a shell command, with the package in $DEB, unpacked in $ROOT
        QTest::addColumn<QRegularExpression>("pattern");
        const QString ok = "\nexit 0$";
        // No errors or warnings: copyright, changelog, manual page, permissions, stripping.
        QTest::addRow("lintian") << "lintian --tag-display-limit 0 $DEB 2>/dev/null" << QRegularExpression("^" + ok);
        QTest::addRow("reproducible") << "cmp $DEB $DEB2" << QRegularExpression("^" + ok);
        QTest::addRow("Qt libraries") << "dpkg-deb -f $DEB Depends" << QRegularExpression("libqt6core6 \\(>= 6\\.4\\.0\\), .*libqt6quick6");
        QTest::addRow("entry valid") << "desktop-file-validate $ENTRY" << QRegularExpression("^" + ok);
        QTest::addRow("metainfo valid") << "appstreamcli validate --no-net $INFO" << QRegularExpression(ok);
        // Opening files with Kestrune offers it for the media types the software centre lists.
        QTest::addRow("entry types") << "grep -o '<mediatype>[^<]*' $INFO | cut -c12- | tr '\\n' ';'; grep ^MimeType= $ENTRY"
                                     << QRegularExpression("^(video/x-matroska;[^\n]+)MimeType=\\1\n");
        // The launcher starts the packaged program through the bus, under the entry's own name.
        QTest::addRow("bus activation")
            << "grep -x DBusActivatable=true $ENTRY && sed -n 's/^Name=//p' $SERVICE && test -x $ROOT$(sed -n 's/^Exec=//p' $SERVICE)"
            << QRegularExpression("^DBusActivatable=true\norg\\.kestrune\\.Kestrune\n" + ok);
        // The shell completes the terminal's options from where bash-completion loads it.
        QTest::addRow("completion") << "bash -c '. $ROOT/usr/share/bash-completion/completions/kestrune; COMP_WORDS=(kestrune --to m); COMP_CWORD=2; "
                                       "_kestrune; echo ${COMPREPLY[*]}'"
                                    << QRegularExpression("^mkv mp4 mov\n" + ok);
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

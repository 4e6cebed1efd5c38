#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace
{

const QString appId = QStringLiteral("org.kestrune.Kestrune");

// Runs a program to its end; returns its exit code, or -1 when it could not run.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(60000))
        return -1;
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The keys of a desktop entry's main group.
QHash<QString, QString> readDesktopEntry(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QHash<QString, QString> keys;
    bool inMainGroup = false;
    const auto lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(u'['))
            inMainGroup = line == u"[Desktop Entry]";
        else if (inMainGroup && line.contains(u'='))
            keys.insert(line.section(u'=', 0, 0).trimmed(), line.section(u'=', 1).trimmed());
    }
    return keys;
}

} // namespace

// Installs the build into a temporary prefix, as a package or a user would, and checks that the
// result is a launcher entry the desktop accepts.
class DesktopIntegrationTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_prefix.isValid());
        QString output;
        const int code = run(QStringLiteral(KESTRUNE_CMAKE_COMMAND),
            { QStringLiteral("--install"), QStringLiteral(KESTRUNE_BINARY_DIR), QStringLiteral("--prefix"), m_prefix.path() }, &output);
        QVERIFY2(code == 0, qPrintable(output));
    }

    void installedFiles_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("executable");
        QTest::addRow("program") << "bin/kestrune" << true;
        QTest::addRow("launcher entry") << "share/applications/" + appId + ".desktop" << false;
        QTest::addRow("metainfo") << "share/metainfo/" + appId + ".metainfo.xml" << false;
        QTest::addRow("icon") << "share/icons/hicolor/scalable/apps/" + appId + ".svg" << false;
    }
    void installedFiles()
    {
        QFETCH(QString, path);
        QFETCH(bool, executable);
        const QFileInfo info(installed(path));
        QVERIFY2(info.isFile(), qPrintable(info.filePath()));
        QCOMPARE(info.isExecutable(), executable);
    }

    void validators_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("arguments");
        QTest::addRow("desktop-file-validate") << "desktop-file-validate" << QStringList { installed("share/applications/" + appId + ".desktop") };
        QTest::addRow("appstreamcli") << "appstreamcli" << QStringList { "validate", "--no-net", installed("share/metainfo/" + appId + ".metainfo.xml") };
    }
    void validators()
    {
        QFETCH(QString, program);
        QFETCH(QStringList, arguments);
        QString output;
        const int code = run(program, arguments, &output);
        QVERIFY2(code == 0, qPrintable(program + QStringLiteral(" says:\n") + output));
    }

    // The entry must start the installed program and name the installed icon, or the launcher
    // shows a broken item.
    void launcherEntryMatchesInstalledFiles()
    {
        const auto keys = readDesktopEntry(installed("share/applications/" + appId + ".desktop"));
        QCOMPARE(keys.value("Name"), QStringLiteral("Kestrune"));
        const QString program = keys.value("Exec").section(u' ', 0, 0);
        QVERIFY(QFileInfo(installed("bin/" + program)).isExecutable());
        QVERIFY(QFileInfo::exists(installed("share/icons/hicolor/scalable/apps/" + keys.value("Icon") + ".svg")));
    }

    void metainfoMatchesLauncherAndVersion()
    {
        QFile file(installed("share/metainfo/" + appId + ".metainfo.xml"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader reader(&file);
        QString id, launchable, newestRelease;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (reader.name() == u"id")
                id = reader.readElementText();
            else if (reader.name() == u"launchable")
                launchable = reader.readElementText();
            else if (reader.name() == u"release" && newestRelease.isEmpty())
                newestRelease = reader.attributes().value("version").toString();
        }
        QVERIFY(!reader.hasError());
        QCOMPARE(id, appId);
        QCOMPARE(launchable, appId + ".desktop");
        // The newest release listed is the one being built.
        QCOMPARE(newestRelease, QStringLiteral(KESTRUNE_VERSION));
    }

    void iconRenders()
    {
        QSvgRenderer renderer(installed("share/icons/hicolor/scalable/apps/" + appId + ".svg"));
        QVERIFY(renderer.isValid());
        QCOMPARE(renderer.defaultSize(), QSize(128, 128));
    }

private:
    [[nodiscard]] QString installed(const QString &relative) const { return QDir(m_prefix.path()).filePath(relative); }

    QTemporaryDir m_prefix;
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "desktopintegrationtest.moc"

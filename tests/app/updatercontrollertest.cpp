#include "app/updatercontroller.h"

#include "feedserver.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

namespace
{

// Waits for the checker's asynchronous start.
void waitUntilStarted(UpdaterController &updater)
{
    QTRY_VERIFY(updater.canCheckForUpdates());
}

} // namespace

class UpdaterControllerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void compareVersions_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        QTest::addRow("parts compare as numbers") << "1.10"
                                                  << "1.9" << 1;
        QTest::addRow("older minor") << "0.9.9"
                                     << "0.10" << -1;
        QTest::addRow("equal") << "0.1.0"
                               << "0.1.0" << 0;
        QTest::addRow("missing part counts as zero") << "1.0"
                                                     << "1" << 0;
        QTest::addRow("extra nonzero part is newer") << "1.2.1"
                                                     << "1.2" << 1;
        QTest::addRow("single numbers") << "2"
                                        << "10" << -1;
        QTest::addRow("suffix after digits ignored") << "2.0b1"
                                                     << "2.0" << 0;
        QTest::addRow("surrounding blanks") << " 3.1 "
                                            << "3.1" << 0;
    }
    void compareVersions()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        const int forward = UpdaterController::compareVersions(a, b);
        const int backward = UpdaterController::compareVersions(b, a);
        QCOMPARE((forward > 0) - (forward < 0), expected);
        QCOMPARE((backward > 0) - (backward < 0), -expected);
    }

    void parseAppcast_data()
    {
        QTest::addColumn<QByteArray>("xml");
        QTest::addColumn<QStringList>("versions");
        QTest::addColumn<QStringList>("displayVersions");
        QTest::addColumn<QString>("firstNotes");
        QTest::addColumn<bool>("readable");

        QTest::addRow("enclosure attributes") << feed(enclosureItem("42", "1.2", "https://kestrune.example/1.2.html")) << QStringList { "42" }
                                              << QStringList { "1.2" } << "https://kestrune.example/1.2.html" << true;
        QTest::addRow("item children") << feed("<item><sparkle:version>7</sparkle:version><sparkle:shortVersionString>0.7</sparkle:shortVersionString>"
                                               "<link>https://kestrune.example/</link></item>")
                                       << QStringList { "7" } << QStringList { "0.7" } << "https://kestrune.example/" << true;
        QTest::addRow("enclosure wins over children") << feed("<item><sparkle:version>1</sparkle:version><enclosure url=\"x\" sparkle:version=\"2\"/></item>")
                                                      << QStringList { "2" } << QStringList { "2" } << "" << true;
        QTest::addRow("short version alone is compared")
            << feed("<item><enclosure url=\"x\" sparkle:shortVersionString=\"1.4\"/></item>") << QStringList { "1.4" } << QStringList { "1.4" } << "" << true;
        QTest::addRow("notes link preferred over link")
            << feed("<item><link>https://a.example/</link><sparkle:releaseNotesLink>https://b.example/</sparkle:releaseNotesLink>"
                    "<enclosure url=\"x\" sparkle:version=\"1\"/></item>")
            << QStringList { "1" } << QStringList { "1" } << "https://b.example/" << true;
        QTest::addRow("items without version skipped") << feed("<item><title>News</title></item>" + enclosureItem("3", "3.0") + enclosureItem("2", "2.0"))
                                                       << QStringList { "3", "2" } << QStringList { "3.0", "2.0" } << "" << true;
        QTest::addRow("unprefixed version is not ours")
            << feed("<item><version>9</version><enclosure url=\"x\" version=\"9\"/></item>") << QStringList {} << QStringList {} << "" << true;
        QTest::addRow("no items") << feed("") << QStringList {} << QStringList {} << "" << true;
        QTest::addRow("not RSS") << QByteArray("<html><body>Not here</body></html>") << QStringList {} << QStringList {} << "" << false;
        QTest::addRow("unclosed element") << QByteArray(feed(enclosureItem("2", "2.0")).chopped(6)) << QStringList {} << QStringList {} << "" << false;
        QTest::addRow("undeclared prefix") << QByteArray("<rss><channel><item><enclosure sparkle:version=\"1\"/></item></channel></rss>") << QStringList {}
                                           << QStringList {} << "" << false;
        QTest::addRow("empty") << QByteArray() << QStringList {} << QStringList {} << "" << false;
        QTest::addRow("trailing garbage") << QByteArray(feed(enclosureItem("2", "2.0")) + "<extra>") << QStringList {} << QStringList {} << "" << false;
    }
    void parseAppcast()
    {
        QFETCH(QByteArray, xml);
        QFETCH(QStringList, versions);
        QFETCH(QStringList, displayVersions);
        QFETCH(QString, firstNotes);
        QFETCH(bool, readable);

        const auto appcast = UpdaterController::parseAppcast(xml);
        QCOMPARE(appcast.error.isEmpty(), readable);
        QStringList gotVersions, gotDisplay;
        for (const auto &release : appcast.releases) {
            gotVersions << release.version;
            gotDisplay << release.displayVersion;
        }
        QCOMPARE(gotVersions, versions);
        QCOMPARE(gotDisplay, displayVersions);
        if (!appcast.releases.isEmpty())
            QCOMPARE(appcast.releases.first().releaseNotesUrl, QUrl(firstNotes));
    }

    void startsUnableThenDeliversAsynchronously()
    {
        FeedServer server;
        UpdaterController updater(server.url(), QStringLiteral("1.0"));
        QList<bool> values;
        connect(&updater, &UpdaterController::canCheckForUpdatesChanged, this, [&values](bool value) { values << value; });
        QVERIFY(!updater.canCheckForUpdates());
        // Before the first value has arrived a check cannot begin.
        updater.checkForUpdates();
        QCOMPARE(updater.checkState(), UpdaterController::NotChecked);
        QVERIFY(values.isEmpty());
        waitUntilStarted(updater);
        QCOMPARE(values, QList<bool> { true });
        QCOMPARE(server.requestCount, 0);
    }

    void checkOverHttp_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("running");
        QTest::addColumn<UpdaterController::CheckState>("state");
        QTest::addColumn<QString>("latest");
        QTest::addColumn<QString>("notes");

        const QByteArray notes = "https://kestrune.example/notes/1.10.html";
        QTest::addRow("newer") << feed(enclosureItem("1.10", "1.10", notes)) << 200 << "1.9" << UpdaterController::UpdateAvailable << "1.10"
                               << QString::fromLatin1(notes);
        QTest::addRow("same") << feed(enclosureItem("1.9", "1.9", notes)) << 200 << "1.9" << UpdaterController::UpToDate << "1.9"
                              << "";
        QTest::addRow("older") << feed(enclosureItem("1.8", "1.8", notes)) << 200 << "1.9" << UpdaterController::UpToDate << "1.8"
                               << "";
        QTest::addRow("newest item wins wherever it is")
            << feed(enclosureItem("2.0", "2.0") + enclosureItem("2.1", "2.1 (spring)", notes) + enclosureItem("1.0", "1.0")) << 200 << "2.0"
            << UpdaterController::UpdateAvailable << "2.1 (spring)" << QString::fromLatin1(notes);
        QTest::addRow("malformed") << QByteArray("<rss><channel><item>") << 200 << "1.0" << UpdaterController::Failed << ""
                                   << "";
        QTest::addRow("no versions") << feed("<item><title>Hello</title></item>") << 200 << "1.0" << UpdaterController::Failed << ""
                                     << "";
        QTest::addRow("not found") << QByteArray("gone") << 404 << "1.0" << UpdaterController::Failed << ""
                                   << "";
    }
    void checkOverHttp()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QFETCH(QString, running);
        QFETCH(UpdaterController::CheckState, state);
        QFETCH(QString, latest);
        QFETCH(QString, notes);

        FeedServer server;
        server.body = body;
        server.status = status;
        UpdaterController updater(server.url(), running);
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), state);
        QCOMPARE(updater.latestVersion(), latest);
        QCOMPARE(updater.releaseNotesUrl(), QUrl(notes));
        QCOMPARE(updater.errorText().isEmpty(), state != UpdaterController::Failed);
        QVERIFY(updater.canCheckForUpdates());
        QCOMPARE(server.requestCount, 1);
    }

    void checkFileFeed_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<UpdaterController::CheckState>("state");
        QTest::addRow("newer") << feed(enclosureItem("0.2", "0.2")) << true << UpdaterController::UpdateAvailable;
        QTest::addRow("same") << feed(enclosureItem("0.1.0", "0.1")) << true << UpdaterController::UpToDate;
        QTest::addRow("older") << feed(enclosureItem("0.0.9", "0.0.9")) << true << UpdaterController::UpToDate;
        QTest::addRow("missing file") << QByteArray() << false << UpdaterController::Failed;
    }
    void checkFileFeed()
    {
        QFETCH(QByteArray, body);
        QFETCH(bool, exists);
        QFETCH(UpdaterController::CheckState, state);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("appcast.xml"));
        if (exists) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(body);
        }
        UpdaterController updater(QUrl::fromLocalFile(path), QStringLiteral("0.1.0"));
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), state);
    }

    void unreachableServerIsReportedPlainly()
    {
        quint16 closedPort = 0;
        {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
            closedPort = probe.serverPort();
        }
        UpdaterController updater(QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(closedPort)), QStringLiteral("1.0"));
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), UpdaterController::Failed);
        QCOMPARE(updater.errorText(), QStringLiteral("The update server refused the connection."));
        QVERIFY(updater.canCheckForUpdates());
    }

    // While a slow check runs the item stays disabled and a second request is not sent; the
    // published values come in the order false (start), true, false, true.
    void slowServerKeepsCheckingDisabled()
    {
        FeedServer server;
        server.body = feed(enclosureItem("5.0", "5.0"));
        server.delay = 400ms;
        UpdaterController updater(server.url(), QStringLiteral("4.0"));
        QList<bool> values;
        connect(&updater, &UpdaterController::canCheckForUpdatesChanged, this, [&values](bool value) { values << value; });
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(!updater.canCheckForUpdates());
        QCOMPARE(updater.checkState(), UpdaterController::Checking);
        QTRY_COMPARE(server.requestCount, 1);
        updater.checkForUpdates();
        QTest::qWait(100);
        QVERIFY(!updater.canCheckForUpdates());
        QCOMPARE(updater.checkState(), UpdaterController::Checking);
        QVERIFY(finished.wait(5000));
        QCOMPARE(finished.count(), 1);
        QCOMPARE(server.requestCount, 1);
        QCOMPARE(updater.checkState(), UpdaterController::UpdateAvailable);
        QCOMPARE(values, (QList<bool> { true, false, true }));
    }

    void silentServerTimesOut()
    {
        FeedServer server;
        server.respond = false;
        UpdaterController updater(server.url(), QStringLiteral("1.0"));
        updater.setTransferTimeout(300ms);
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), UpdaterController::Failed);
        QCOMPARE(updater.errorText(), QStringLiteral("The update server did not answer in time."));
    }

    // A second check starts afresh: the old outcome is cleared while it runs.
    void repeatedCheckClearsPreviousOutcome()
    {
        FeedServer server;
        server.body = feed(enclosureItem("2.0", "2.0", "https://kestrune.example/2.html"));
        UpdaterController updater(server.url(), QStringLiteral("1.0"));
        waitUntilStarted(updater);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), UpdaterController::UpdateAvailable);
        server.body = "<broken";
        updater.checkForUpdates();
        QCOMPARE(updater.checkState(), UpdaterController::Checking);
        QVERIFY(updater.releaseNotesUrl().isEmpty());
        QVERIFY(finished.wait(5000));
        QCOMPARE(updater.checkState(), UpdaterController::Failed);
        QVERIFY(updater.latestVersion().isEmpty());
        QCOMPARE(server.requestCount, 2);
    }
};

QTEST_GUILESS_MAIN(UpdaterControllerTest)
#include "updatercontrollertest.moc"

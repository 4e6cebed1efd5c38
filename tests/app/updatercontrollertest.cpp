#include "app/updatercontroller.h"

#include <QMetaEnum>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

using namespace std::chrono_literals;

// A one-feed HTTP server on 127.0.0.1 that answers every request with `body`.
class FeedServer : public QObject
{
public:
    QByteArray body;
    std::chrono::milliseconds drip { 0 }; // with an interval, the body goes one byte at a time
    bool declareLength = true; // without, the body ends when the connection closes
    bool compress = false; // sent deflated, its length the compressed one

    FeedServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket *socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                if (!socket->readAll().endsWith("\r\n\r\n"))
                    return;
                const QByteArray sent = compress ? qCompress(body).mid(4) : body; // qCompress puts the length before a zlib stream
                const QByteArray length = declareLength ? "Content-Length: " + QByteArray::number(sent.size()) + "\r\n" : QByteArray();
                const QByteArray encoding = compress ? "Content-Encoding: deflate\r\n" : "";
                socket->write("HTTP/1.1 200 OK\r\nConnection: close\r\n" + length + encoding + "\r\n" + (drip.count() ? QByteArray() : sent));
                if (drip.count() == 0)
                    return socket->disconnectFromHost();
                auto *timer = new QTimer(socket);
                connect(timer, &QTimer::timeout, socket, [this, socket, sent = 0]() mutable { socket->write(body.mid(sent++, 1)); });
                timer->start(drip);
            });
        });
    }

    [[nodiscard]] QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(m_server.serverPort())); }

private:
    QTcpServer m_server;
};

// A feed of the given items, grown with a comment to `size` bytes if given; and one item with
// its version fields on the enclosure.
inline QByteArray feed(const QByteArray &items, qsizetype size = 0)
{
    const QByteArray xml = "<?xml version=\"1.0\"?><rss version=\"2.0\" xmlns:sparkle=\"https://kestrune.example/appcast\"><channel>" + items + "</channel>";
    return xml + (size ? "<!--" + QByteArray(size - xml.size() - 13, 'x') + "-->" : QByteArray()) + "</rss>";
}
inline QByteArray item(const QByteArray &version, const QByteArray &shortVersion, const QByteArray &notes = {})
{
    const QByteArray link = notes.isEmpty() ? QByteArray() : "<sparkle:releaseNotesLink>" + notes + "</sparkle:releaseNotesLink>";
    return "<item>" + link + "<enclosure url=\"https://kestrune.example/k.tar.xz\" sparkle:version=\"" + version + "\" sparkle:shortVersionString=\""
        + shortVersion + "\"/></item>";
}

// A check of the running version 1.9 against the local server, from request to outcome: what the
// feed says, and the bounds on its size, on the time a check takes and on the links it offers.
class UpdaterControllerTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("server"); // how the server sends it
        QTest::addColumn<QString>("outcome"); // state|latest version|release notes|error

        const QByteArray notes = "https://k.example/n";
        const QString asIs, failed = "Failed|||", late = "The update server did not answer in time.", large = "The update feed is too large to be one.";
        QTest::addRow("numeric parts") << feed(item("1.10", "1.10", notes)) << asIs << "UpdateAvailable|1.10|https://k.example/n|";
        QTest::addRow("missing part is 0") << feed(item("1.9.0", "1.9", notes)) << asIs << "UpToDate|1.9||";
        QTest::addRow("suffix ignored") << feed(item("1.9b2", "1.9 beta")) << asIs << "UpToDate|1.9 beta||";
        QTest::addRow("newest wins") << feed(item("2", "2") + item("3", "3 (spring)") + item("1.8.99", "1.8.99")) << asIs << "UpdateAvailable|3 (spring)||";
        QTest::addRow("item children") << feed("<item><sparkle:version>7</sparkle:version><link>http://k.example/7</link></item>") << asIs
                                       << "UpdateAvailable|7|http://k.example/7|";
        QTest::addRow("file link dropped") << feed(item("2", "2", "file:///etc/passwd")) << asIs << "UpdateAvailable|2||";
        QTest::addRow("program link dropped") << feed(item("2", "2", "javascript:alert(1)")) << asIs << "UpdateAvailable|2||";
        QTest::addRow("not RSS") << QByteArray("<html/>") << asIs << failed + "The update feed is not an RSS feed.";
        QTest::addRow("no versions") << feed("<item><version>9</version></item>") << asIs << failed + "The update feed lists no versions.";
        QTest::addRow("damaged") << QByteArray("<rss><channel><item>") << asIs << failed + "The update feed is damaged (line 1: Premature end of document.).";
        QTest::addRow("drips past deadline") << feed(item("2", "2")) << "drip" << failed + late;
        QTest::addRow("largest readable") << feed(item("2.0", "2.0"), UpdaterController::maxFeedBytes) << "undeclared"
                                          << "UpdateAvailable|2.0||";
        QTest::addRow("too large, declared") << feed(item("2.0", "2.0"), UpdaterController::maxFeedBytes + 1) << asIs << failed + large;
        QTest::addRow("largest readable, compressed") << feed(item("2.0", "2.0"), UpdaterController::maxFeedBytes) << "deflate"
                                                      << "UpdateAvailable|2.0||";
        QTest::addRow("too large, compressed") << feed(item("2.0", "2.0"), UpdaterController::maxFeedBytes + 1) << "deflate" << failed + large;
        QTest::addRow("too large, undeclared") << feed(item("2.0", "2.0"), UpdaterController::maxFeedBytes + 1) << "undeclared" << failed + large;
    }
    void check()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, server);
        QFETCH(QString, outcome);
        FeedServer feedServer;
        feedServer.body = body;
        feedServer.drip = server == u"drip" ? 40ms : 0ms;
        feedServer.declareLength = server != u"undeclared";
        feedServer.compress = server == u"deflate";
        UpdaterController updater(feedServer.url(), QStringLiteral("1.9"));
        updater.setDeadline(1500ms);
        updater.checkForUpdates(); // ignored: the checker has not started yet
        QVERIFY(!updater.canCheckForUpdates());
        QTRY_VERIFY_WITH_TIMEOUT(updater.canCheckForUpdates(), 5000);
        QSignalSpy finished(&updater, &UpdaterController::checkFinished);
        updater.checkForUpdates();
        updater.checkForUpdates(); // ignored while the first one runs
        QVERIFY(updater.checkState() == UpdaterController::Checking && !updater.canCheckForUpdates());
        QVERIFY2(finished.wait(10000), "the check did not end");
        const QString state = QString::fromLatin1(QMetaEnum::fromType<UpdaterController::CheckState>().valueToKey(updater.checkState()));
        QCOMPARE(QStringList({ state, updater.latestVersion(), updater.releaseNotesUrl().toString(), updater.errorText() }).join(u'|'), outcome);
        QVERIFY(updater.canCheckForUpdates());
    }
};

QTEST_GUILESS_MAIN(UpdaterControllerTest)
#include "updatercontrollertest.moc"

#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <chrono>

// A one-feed HTTP server on 127.0.0.1: answers every GET with `body` after `delay`, or never
// answers when `respond` is false.
class FeedServer : public QObject
{
public:
    QByteArray body;
    int status = 200;
    std::chrono::milliseconds delay { 0 };
    bool respond = true;
    int requestCount = 0;

    FeedServer()
    {
        QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onRequestBytes(socket); });
            }
        });
    }

    [[nodiscard]] QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/appcast.xml").arg(m_server.serverPort())); }

private:
    void onRequestBytes(QTcpSocket *socket)
    {
        m_pending[socket] += socket->readAll();
        if (!m_pending[socket].contains("\r\n\r\n"))
            return;
        m_pending.remove(socket);
        ++requestCount;
        if (!respond)
            return;
        QTimer::singleShot(delay, socket, [this, socket] {
            const QByteArray reason = status == 200 ? "OK" : "Not Found";
            socket->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason
                + "\r\nContent-Type: application/rss+xml\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer m_server;
    QHash<QTcpSocket *, QByteArray> m_pending;
};

// A feed whose items are given as raw XML.
inline QByteArray feed(const QByteArray &items)
{
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
           "<rss version=\"2.0\" xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">\n"
           "<channel><title>Kestrune</title>"
        + items + "</channel></rss>";
}

inline QByteArray enclosureItem(const QByteArray &version, const QByteArray &shortVersion, const QByteArray &notes = {})
{
    QByteArray item = "<item><title>Kestrune " + shortVersion + "</title>";
    if (!notes.isEmpty())
        item += "<sparkle:releaseNotesLink>" + notes + "</sparkle:releaseNotesLink>";
    item += "<enclosure url=\"https://kestrune.example/kestrune.tar.xz\" length=\"1\" type=\"application/octet-stream\" sparkle:version=\"" + version
        + "\" sparkle:shortVersionString=\"" + shortVersion + "\"/></item>";
    return item;
}

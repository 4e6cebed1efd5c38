#include "app/localpaths.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QProcess>
#include <QTimer>
#include <cstring>

namespace LocalPaths
{
QUrl fileUrl(const QByteArray &path)
{
    return path.isValidUtf8() ? QUrl::fromLocalFile(QString::fromUtf8(path)) : QUrl::fromEncoded("file://" + encoded(path, "%#?[]"));
}

QByteArray encoded(QByteArrayView bytes, const char *also)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray url;
    for (const char c : bytes) {
        const auto byte = uchar(c);
        if (byte <= 0x20 || byte >= 0x7f || std::strchr("\"<>\\^`{|}", c) || std::strchr(also, c))
            url.append('%').append(hex[byte >> 4]).append(hex[byte & 15]);
        else
            url.append(c);
    }
    return url;
}
}

struct LocalPathResolver::Batch {
    QList<QUrl> urls;
    qsizetype pending = 0;
    Done done;
};

LocalPathResolver::LocalPathResolver(QDBusConnection sessionBus, QString gioProgram, QObject *parent)
    : QObject(parent)
    , m_sessionBus(std::move(sessionBus))
    , m_gio(std::move(gioProgram))
{ }

void LocalPathResolver::resolve(const QList<QUrl> &urls, Done done, int timeoutMs)
{
    auto batch = std::make_shared<Batch>(Batch { urls, 0, std::move(done) });
    for (const QUrl &url : urls)
        batch->pending += url.isLocalFile() ? 0 : 1;
    if (batch->pending == 0) {
        batch->done(batch->urls);
        return;
    }
    for (qsizetype i = 0; i < urls.size(); ++i) {
        if (!urls[i].isLocalFile())
            askGio(batch, i, timeoutMs);
    }
}

void LocalPathResolver::askGio(const std::shared_ptr<Batch> &batch, qsizetype index, int timeoutMs)
{
    auto *gio = new QProcess(this);
    gio->setProcessChannelMode(QProcess::SeparateChannels);
    gio->setStandardInputFile(QProcess::nullDevice());
    // A hung mount must not hold the list back.
    QTimer::singleShot(timeoutMs, gio, [gio] { gio->kill(); });
    connect(gio, &QProcess::finished, this, [this, gio, batch, index] {
        gio->deleteLater();
        // The path's own bytes, which need not be text.
        const QByteArray prefix = "local path: ";
        for (const QByteArray &line : gio->readAllStandardOutput().split('\n')) {
            if (line.startsWith(prefix) && gio->exitStatus() == QProcess::NormalExit && gio->exitCode() == 0)
                return settle(batch, index, line.mid(prefix.size()));
        }
        askKioFuse(batch, index);
    });
    connect(gio, &QProcess::errorOccurred, this, [this, gio, batch, index](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart)
            return; // finished() follows
        gio->deleteLater();
        askKioFuse(batch, index);
    });
    gio->start(m_gio, { QStringLiteral("info"), QStringLiteral("-a"), QStringLiteral("standard::type"), batch->urls[index].toString(QUrl::FullyEncoded) });
}

void LocalPathResolver::askKioFuse(const std::shared_ptr<Batch> &batch, qsizetype index)
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.kde.KIOFuse"), QStringLiteral("/org/kde/KIOFuse"), QStringLiteral("org.kde.KIOFuse.VFS"), QStringLiteral("mountUrl"));
    call << batch->urls[index].toString(QUrl::FullyEncoded);
    if (!m_sessionBus.isConnected())
        return settle(batch, index, {});
    auto *watcher = new QDBusPendingCallWatcher(m_sessionBus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, batch, index] {
        watcher->deleteLater();
        const QDBusPendingReply<QString> reply = *watcher;
        settle(batch, index, reply.isError() ? QByteArray() : reply.value().toUtf8());
    });
}

void LocalPathResolver::settle(const std::shared_ptr<Batch> &batch, qsizetype index, const QByteArray &localPath)
{
    if (localPath.startsWith('/'))
        batch->urls[index] = LocalPaths::fileUrl(localPath);
    if (--batch->pending == 0)
        batch->done(batch->urls);
}

#pragma once

#include <QByteArray>
#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>

namespace LocalPaths
{
// The file URL of the absolute path `path`, which keeps its bytes exactly. A name that is not
// text stays in the URL's percent-encoding, where the checks before ffmpeg find it: decoded, it
// would name a look-alike holding U+FFFD.
[[nodiscard]] QUrl fileUrl(const QByteArray &path);
// `bytes` with what may not stand in a URL percent-encoded, and the characters in `also` too.
[[nodiscard]] QByteArray encoded(QByteArrayView bytes, const char *also);
}

// Turns the remote locations a file manager hands over (sftp://, smb://, …) into the local
// paths under which the desktop's own mounts show them: GVfs's FUSE mount, asked through `gio`,
// or KDE's kio-fuse, asked over D-Bus. What has no local path stays a URL, so the list can say
// which location it cannot read. Main-thread only.
class LocalPathResolver : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(const QList<QUrl> &)>;

    explicit LocalPathResolver(QDBusConnection sessionBus, QString gioProgram = QStringLiteral("gio"), QObject *parent = nullptr);

    // Calls `done` with `urls` in their order, each remote one replaced by its local path where
    // a mount gives one; at once when all are local already. A mount that does not answer
    // within `timeoutMs` gives none.
    void resolve(const QList<QUrl> &urls, Done done, int timeoutMs = 5000);

private:
    struct Batch;
    void askGio(const std::shared_ptr<Batch> &batch, qsizetype index, int timeoutMs);
    void askKioFuse(const std::shared_ptr<Batch> &batch, qsizetype index);
    static void settle(const std::shared_ptr<Batch> &batch, qsizetype index, const QByteArray &localPath);

    QDBusConnection m_sessionBus;
    QString m_gio;
};

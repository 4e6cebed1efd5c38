#include "engine/diskcall.h"

#include <QFile>
#include <QHash>
#include <QMutex>
#include <QThreadPool>

namespace DiskCall
{
namespace
{
// Mount points in /proc/self/mountinfo write blank, tab, newline and backslash as octal escapes.
QString unescaped(const QByteArray &field)
{
    QByteArray bytes;
    for (qsizetype i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bytes += char(field.mid(i + 1, 3).toInt(nullptr, 8));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QFile::decodeName(bytes);
}
}

QString mountOf(const QString &path)
{
    QFile table(QStringLiteral("/proc/self/mountinfo"));
    QString best = QStringLiteral("/");
    if (!table.open(QIODevice::ReadOnly)) {
        return best;
    }
    // "36 35 98:0 /mnt1 /mnt/parent rw,noatime master:1 - ext3 /dev/root rw": the fifth field.
    for (const QByteArray &line : table.readAll().split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 5) {
            continue;
        }
        const QString point = unescaped(fields[4]);
        const bool holds = path == point || path.startsWith(point.endsWith(u'/') ? point : point + u'/');
        if (holds && point.size() > best.size()) {
            best = point;
        }
    }
    return best;
}

QThreadPool *threadOf(const QString &path)
{
    static QMutex mutex;
    static QHash<QString, QThreadPool *> threads;
    const QString mount = mountOf(path);
    const QMutexLocker locker(&mutex);
    QThreadPool *&pool = threads[mount];
    if (!pool) {
        pool = new QThreadPool;
        pool->setMaxThreadCount(1);
    }
    return pool;
}

QThreadPool *workers()
{
    static QThreadPool *const pool = [] {
        auto *threads = new QThreadPool;
        threads->setMaxThreadCount(32);
        return threads;
    }();
    return pool;
}
}

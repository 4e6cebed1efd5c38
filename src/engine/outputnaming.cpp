#include "engine/outputnaming.h"

#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace OutputNaming
{
NameParts splitExtension(const QString &name)
{
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || dot == name.size() - 1) {
        return { name, QString() };
    }
    return { name.left(dot), name.mid(dot + 1) };
}

bool isTaken(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QString joinPath(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

qsizetype nameMax(const QString &folder)
{
    const long max = ::pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return max > 0 ? max : 255;
}

QString fitName(const QString &base, const QString &tail, qsizetype maxBytes)
{
    qsizetype room = maxBytes - tail.toUtf8().size();
    qsizetype end = 0;
    // Whole code points only: a surrogate pair is one character of four UTF-8 bytes.
    while (end < base.size()) {
        const bool pair = base.at(end).isHighSurrogate() && end + 1 < base.size() && base.at(end + 1).isLowSurrogate();
        const qsizetype bytes = pair ? 4 : QStringView(base).mid(end, 1).toUtf8().size();
        if (bytes > room) {
            break;
        }
        room -= bytes;
        end += pair ? 2 : 1;
    }
    return base.left(end) + tail;
}

QString freePath(const QString &folder, const QString &base, const QString &extension)
{
    const qsizetype max = nameMax(folder);
    const QString dotExtension = QLatin1Char('.') + extension;
    QString candidate = joinPath(folder, fitName(base, dotExtension, max));
    for (int k = 1; isTaken(candidate); ++k) {
        candidate = joinPath(folder, fitName(base, QLatin1Char(' ') + QString::number(k) + dotExtension, max));
    }
    return candidate;
}
}

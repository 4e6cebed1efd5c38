#include "engine/outputnaming.h"

#include <QFileInfo>

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

QString freePath(const QString &folder, const QString &base, const QString &extension)
{
    QString candidate = joinPath(folder, base + QLatin1Char('.') + extension);
    for (int k = 1; isTaken(candidate); ++k) {
        candidate = joinPath(folder, base + QLatin1Char(' ') + QString::number(k) + QLatin1Char('.') + extension);
    }
    return candidate;
}
}

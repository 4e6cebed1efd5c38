#include "engine/outputnaming.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBoundaryFinder>
#include <sys/vfs.h>
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

NameLimit nameLimit(const QString &folder)
{
    constexpr long vfat = 0x4d44, exfat = 0x2011BAB0;
    const QByteArray native = QFile::encodeName(folder);
    struct statfs info {
    };
    if (::statfs(native.constData(), &info) == 0 && (info.f_type == vfat || info.f_type == exfat)) {
        return { 255, true };
    }
    const long max = ::pathconf(native.constData(), _PC_NAME_MAX);
    return { max > 0 ? max : 255, false };
}

QString fitName(const QString &base, const QString &tail, NameLimit limit)
{
    const auto length = [&limit](QStringView text) { return limit.utf16 ? text.size() : text.toUtf8().size(); };
    const qsizetype room = limit.length - length(tail);
    qsizetype end = 0;
    qsizetype used = 0;
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, base);
    for (qsizetype next = graphemes.toNextBoundary(); next > 0; next = graphemes.toNextBoundary()) {
        used += length(QStringView(base).mid(end, next - end));
        if (used > room) {
            break;
        }
        end = next;
    }
    return base.left(end) + tail;
}

QString freePath(const QString &folder, const QString &base, const QString &extension)
{
    return freePathWithin(folder, base, extension, nameLimit(folder));
}

QString freePathWithin(const QString &folder, const QString &base, const QString &extension, NameLimit limit)
{
    const QString dotExtension = QLatin1Char('.') + extension;
    QString candidate = joinPath(folder, fitName(base, dotExtension, limit));
    for (int k = 1; isTaken(candidate); ++k) {
        candidate = joinPath(folder, fitName(base, QLatin1Char(' ') + QString::number(k) + dotExtension, limit));
    }
    return candidate;
}
}

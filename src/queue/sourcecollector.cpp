#include "queue/sourcecollector.h"

#include "engine/outputnaming.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace
{
QString extensionOf(const QString &name)
{
    return OutputNaming::splitExtension(name).extension.toLower();
}

struct Walk {
    const QSet<QString> &accepted;
    QCollator collator;
    QSet<QString> walked; // canonical paths
    QList<QUrl> found;

    explicit Walk(const QSet<QString> &acceptedExtensions)
        : accepted(acceptedExtensions)
        // A fixed locale: the C locale's collation knows no numbers.
        , collator(QLocale(QLocale::English, QLocale::UnitedStates))
    {
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    void sortNaturally(QFileInfoList &entries) const
    {
        // Keys once per name: comparing through the collator would redo the work n log n times.
        QList<std::pair<QCollatorSortKey, qsizetype>> keyed;
        keyed.reserve(entries.size());
        for (qsizetype i = 0; i < entries.size(); ++i) {
            keyed.append({ collator.sortKey(entries.at(i).fileName()), i });
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
        QFileInfoList sorted;
        sorted.reserve(entries.size());
        for (const auto &[key, index] : keyed) {
            sorted.append(entries.at(index));
        }
        entries.swap(sorted);
    }

    void folder(const QString &path)
    {
        const QString canonical = QFileInfo(path).canonicalFilePath();
        if (canonical.isEmpty() || walked.contains(canonical)) {
            return;
        }
        walked.insert(canonical);
        // Without QDir::System, pipes, sockets, devices and dangling links stay out; without
        // QDir::Hidden, so do dot names.
        const QDir dir(path);
        QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::NoDotAndDotDot, QDir::NoSort);
        QFileInfoList folders = dir.entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort);
        sortNaturally(files);
        sortNaturally(folders);
        for (const QFileInfo &file : std::as_const(files)) {
            if (file.isFile() && accepted.contains(extensionOf(file.fileName()))) {
                found.append(QUrl::fromLocalFile(file.filePath()));
            }
        }
        for (const QFileInfo &sub : std::as_const(folders)) {
            this->folder(sub.filePath());
        }
    }
};
}

namespace SourceCollector
{
Kind kindOf(const QUrl &url, const QSet<QString> &acceptedExtensions)
{
    if (!url.isLocalFile()) {
        return Kind::ignored;
    }
    const QString path = url.toLocalFile();
    const QByteArray encoded = QFile::encodeName(path);
    struct stat info {
    };
    if (::stat(encoded.constData(), &info) != 0) {
        return Kind::ignored;
    }
    if (S_ISDIR(info.st_mode)) {
        return Kind::folder;
    }
    if (!S_ISREG(info.st_mode) || !acceptedExtensions.contains(extensionOf(url.fileName()))) {
        return Kind::ignored;
    }
    // Bytes that are not text decode to U+FFFD; only then is the full comparison worth its cost.
    if (path.contains(QChar::ReplacementCharacter) && encoded != QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())) {
        return Kind::ignored;
    }
    return Kind::file;
}

QList<QUrl> collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions)
{
    Walk walk(acceptedExtensions);
    for (const QUrl &url : urls) {
        switch (kindOf(url, acceptedExtensions)) {
        case Kind::folder:
            walk.folder(url.toLocalFile());
            break;
        case Kind::file:
            walk.found.append(url);
            break;
        case Kind::ignored:
            break;
        }
    }
    return walk.found;
}
}

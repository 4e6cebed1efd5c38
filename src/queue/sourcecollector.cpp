#include "queue/sourcecollector.h"

#include "engine/outputnaming.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

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
bool isAcceptableFile(const QUrl &url, const QSet<QString> &acceptedExtensions)
{
    if (!url.isLocalFile()) {
        return false;
    }
    const QString path = url.toLocalFile();
    const QString extension = extensionOf(url.fileName());
    if (extension.isEmpty() || !acceptedExtensions.contains(extension)) {
        return false;
    }
    // A dropped name that is not valid text decodes to another name, maybe someone else's file.
    if (QFile::encodeName(path) != QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())) {
        return false;
    }
    return QFileInfo(path).isFile();
}

bool isFolder(const QUrl &url)
{
    return url.isLocalFile() && QFileInfo(url.toLocalFile()).isDir();
}

QList<QUrl> collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions)
{
    Walk walk(acceptedExtensions);
    for (const QUrl &url : urls) {
        if (isFolder(url)) {
            walk.folder(url.toLocalFile());
        } else if (isAcceptableFile(url, acceptedExtensions)) {
            walk.found.append(url);
        }
    }
    return walk.found;
}
}

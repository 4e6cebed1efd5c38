#include "queue/sourcecollector.h"

#include "engine/outputnaming.h"

#include <QCollator>
#include <QFile>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace
{
QString extensionOf(const QString &name)
{
    return OutputNaming::splitExtension(name).extension.toLower();
}

QString joined(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The canonical form of `path` with a closing slash, or empty when it cannot be resolved.
QByteArray canonicalFolder(const QByteArray &path)
{
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved) == nullptr) {
        return {};
    }
    QByteArray canonical(resolved);
    return canonical.endsWith('/') ? canonical : canonical + '/';
}

struct Walk {
    const QSet<QString> &accepted;
    const SourceCollector::Proceed &proceed;
    QCollator collator;
    QSet<std::pair<dev_t, ino_t>> walked;
    QByteArray root; // canonical folder given by the user; links to folders must stay inside it
    SourceCollector::Collected collected;
    bool cancelled = false;

    Walk(const QSet<QString> &acceptedExtensions, const SourceCollector::Proceed &goOn)
        : accepted(acceptedExtensions)
        , proceed(goOn)
        // A fixed locale: the C locale's collation knows no numbers.
        , collator(QLocale(QLocale::English, QLocale::UnitedStates))
    {
        collator.setNumericMode(true);
        collator.setCaseSensitivity(Qt::CaseInsensitive);
    }

    bool goOn()
    {
        if (!cancelled && proceed && !proceed()) {
            cancelled = true;
        }
        return !cancelled;
    }

    void sortNaturally(QStringList &names) const
    {
        // Keys once per name: comparing through the collator would redo the work n log n times.
        QList<std::pair<QCollatorSortKey, qsizetype>> keyed;
        keyed.reserve(names.size());
        for (qsizetype i = 0; i < names.size(); ++i) {
            keyed.append({ collator.sortKey(names.at(i)), i });
        }
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
        QStringList sorted;
        sorted.reserve(names.size());
        for (const auto &[key, index] : keyed) {
            sorted.append(names.at(index));
        }
        names.swap(sorted);
    }

    // A link to a folder is followed only into the folder the user gave: a link to "/" must not
    // list the whole system.
    [[nodiscard]] bool staysInside(const QByteArray &linkPath) const
    {
        const QByteArray target = canonicalFolder(linkPath);
        return !target.isEmpty() && target.startsWith(root);
    }

    void folder(const QString &path)
    {
        const QByteArray encoded = QFile::encodeName(path);
        struct stat info {
        };
        if (::stat(encoded.constData(), &info) != 0 || walked.contains({ info.st_dev, info.st_ino })) {
            return;
        }
        walked.insert({ info.st_dev, info.st_ino });
        DIR *dir = ::opendir(encoded.constData());
        if (dir == nullptr) {
            return;
        }
        QStringList files, folders;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        while (goOn()) {
            const dirent *entry = ::readdir(dir);
            if (entry == nullptr) {
                break;
            }
            // Dot names are hidden (and "." and ".." are no entries to list).
            const QByteArray raw(entry->d_name);
            if (raw.startsWith('.')) {
                continue;
            }
            const QString name = utf8.decode(raw);
            if (utf8.hasError()) {
                utf8.resetState();
                continue;
            }
            unsigned char type = entry->d_type;
            bool isLink = type == DT_LNK;
            if (type == DT_LNK || type == DT_UNKNOWN) {
                struct stat target {
                };
                if (type == DT_UNKNOWN && ::fstatat(dirfd(dir), raw.constData(), &target, AT_SYMLINK_NOFOLLOW) == 0) {
                    isLink = S_ISLNK(target.st_mode);
                }
                // Links are followed; a dangling one, a pipe or a device is nothing to list.
                if (::fstatat(dirfd(dir), raw.constData(), &target, 0) != 0) {
                    continue;
                }
                type = S_ISREG(target.st_mode) ? DT_REG : S_ISDIR(target.st_mode) ? DT_DIR : DT_UNKNOWN;
            }
            if (type == DT_REG && accepted.contains(extensionOf(name))) {
                files.append(name);
            } else if (type == DT_DIR && (!isLink || staysInside(encoded + '/' + raw))) {
                folders.append(name);
            }
        }
        ::closedir(dir);
        sortNaturally(files);
        sortNaturally(folders);
        for (const QString &name : std::as_const(files)) {
            collected.files.append(QUrl::fromLocalFile(joined(path, name)));
        }
        for (const QString &name : std::as_const(folders)) {
            if (!goOn()) {
                return;
            }
            this->folder(joined(path, name));
        }
    }

    void given(const QUrl &url)
    {
        if (!url.isLocalFile()) {
            collected.notLocal.append(url);
            return;
        }
        const QString path = url.toLocalFile();
        const QByteArray encoded = QFile::encodeName(path);
        // Bytes that are not text decode to U+FFFD; only then is the full comparison worth its cost.
        if (path.contains(QChar::ReplacementCharacter) && encoded != QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1())) {
            collected.refused.append({ url, SourceCollector::Why::notText });
            return;
        }
        struct stat info {
        };
        // stat never opens: a pipe given here is looked at, not read.
        if (::stat(encoded.constData(), &info) != 0) {
            collected.refused.append({ url, SourceCollector::Why::missing });
        } else if (S_ISDIR(info.st_mode)) {
            root = canonicalFolder(encoded);
            folder(path);
        } else if (!S_ISREG(info.st_mode)) {
            collected.refused.append({ url, SourceCollector::Why::notRegular });
        } else if (accepted.contains(extensionOf(url.fileName()))) {
            collected.files.append(url);
        } else {
            collected.refused.append({ url, SourceCollector::Why::notAccepted });
        }
    }
};
}

namespace SourceCollector
{
Collected collect(const QList<QUrl> &urls, const QSet<QString> &acceptedExtensions, const Proceed &proceed)
{
    Walk walk(acceptedExtensions, proceed);
    for (const QUrl &url : urls) {
        if (!walk.goOn()) {
            break;
        }
        walk.given(url);
    }
    return walk.collected;
}
}

#include "queue/fileadder.h"

#include "engine/outputformat.h"
#include "engine/remuxjob.h"
#include "queue/sourcecollector.h"

#include <QCoreApplication>
#include <QCoroFuture>
#include <QPointer>
#include <QSet>
#include <QtConcurrent>

namespace
{
QString refusalReason(const SourceCollector::Refused &refused)
{
    const QString name = refused.url.toLocalFile();
    switch (refused.why) {
    case SourceCollector::Why::missing:
        return QCoreApplication::translate("RemuxViewModel", "%1 wasn't found, so it can't be converted.").arg(name);
    case SourceCollector::Why::notRegular:
        break;
    case SourceCollector::Why::notAccepted:
        return QCoreApplication::translate("RemuxViewModel", "%1 isn't a kind of video file Kestrune converts.").arg(name);
    }
    // The engine's own words for a source that would be read forever.
    return QCoreApplication::translate("RemuxViewModel", "%1 isn't a regular file, so it can't be converted.").arg(name);
}
}

FileAdder::FileAdder(FileListModel *files, std::function<void()> walkHook, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_walkHook(std::move(walkHook))
{
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &FileAdder::cancel);
    }
}

// A walk in flight ends after the entry it is looking at; nothing here waits for it.
FileAdder::~FileAdder()
{
    cancel();
}

void FileAdder::cancel()
{
    *m_cancel = true;
}

void FileAdder::add(const QList<QUrl> &urls)
{
    m_pending.append(urls);
    if (!m_adding) {
        QCoro::connect(addPending(), this, [] {});
    }
}

bool FileAdder::isAdding() const
{
    return m_adding;
}

QStringList FileAdder::acceptedInputExtensions()
{
    QStringList extensions;
    for (const OutputFormat format : OutputFormats::allCases()) {
        extensions.append(OutputFormats::fileExtension(format));
    }
    for (const char *extra : { "avi", "ts", "m4v", "m4a", "3gp", "wmv", "m2ts", "mpg", "mpeg", "flv" }) {
        extensions.append(QString::fromLatin1(extra));
    }
    extensions.removeDuplicates();
    return extensions;
}

QCoro::Task<void> FileAdder::addPending()
{
    struct Found {
        QList<InputFile> records;
        QList<qsizetype> listed; // positions of records whose URL was listed when the call began
        QList<QUrl> notLocal;
        QStringList refused;
    };
    const QPointer<FileAdder> self(this);
    const std::shared_ptr<std::atomic_bool> cancel = m_cancel;
    const SourceCollector::Proceed proceed = [cancel, hook = m_walkHook] {
        if (hook) {
            hook();
        }
        return !*cancel;
    };
    m_adding = true;
    while (!m_pending.isEmpty()) {
        const QList<QUrl> urls = m_pending.takeFirst();
        const QStringList extensions = FileAdder::acceptedInputExtensions();
        // Every stat, the records and the duplicate test off the GUI thread: a dead share must
        // not stop the window painting, and 10,000 records cost more than their one insert. Calls
        // are listed one after another, so nothing is listed meanwhile that the snapshot misses.
        // On the workers that are never waited for: Qt waits for its own pool's threads at
        // quit, and one stuck on a dead share would keep the program from ever ending.
        QFuture<Found> collecting = QtConcurrent::run(
            RemuxJob::workers(), [urls, accepted = QSet<QString>(extensions.cbegin(), extensions.cend()), proceed, listed = m_files->listedUrls()] {
                SourceCollector::Collected collected = SourceCollector::collect(urls, accepted, proceed);
                Found found { {}, {}, std::move(collected.notLocal), {} };
                for (const SourceCollector::Refused &refused : std::as_const(collected.refused)) {
                    found.refused.append(refusalReason(refused));
                }
                found.records.reserve(collected.files.size());
                for (const QUrl &url : std::as_const(collected.files)) {
                    if (listed.contains(url)) {
                        found.listed.append(found.records.size());
                    }
                    found.records.append(InputFile(url));
                }
                return found;
            });
        const Found found = co_await collecting;
        if (!self) {
            co_return;
        }
        if (*cancel) {
            break;
        }
        Q_EMIT notLocal(found.notLocal);
        if (!found.refused.isEmpty()) {
            Q_EMIT filesRefused(found.refused);
        }
        appendNew(found.records, found.listed);
    }
    m_adding = false;
}

void FileAdder::appendNew(const QList<InputFile> &records, const QList<qsizetype> &listed)
{
    // The duplicate test looks only at records listed before this call, so a URL given twice
    // here is added twice. Only the records listed when the call began are looked at again: a
    // removal since may have freed their URL.
    if (listed.isEmpty()) {
        m_files->append(records);
        Q_EMIT filesAdded();
        return;
    }
    QList<InputFile> fresh;
    fresh.reserve(records.size());
    for (qsizetype i = 0, next = 0; i < records.size(); ++i) {
        const bool wasListed = next < listed.size() && listed.at(next) == i;
        next += wasListed ? 1 : 0;
        if (!wasListed || !m_files->containsUrl(records.at(i).url())) {
            fresh.append(records.at(i));
        }
    }
    m_files->append(fresh);
    Q_EMIT filesAdded();
}

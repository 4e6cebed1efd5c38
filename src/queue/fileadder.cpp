#include "queue/fileadder.h"

#include "engine/diskcall.h"
#include "engine/outputformat.h"
#include "queue/sourcecollector.h"

#include <QCoreApplication>
#include <QFutureWatcher>
#include <QPointer>
#include <QSet>
#include <QtConcurrent>

namespace
{
using SteadyClock = std::chrono::steady_clock;

std::int64_t nowTicks()
{
    return SteadyClock::now().time_since_epoch().count();
}

struct Found {
    QList<InputFile> records;
    QList<qsizetype> listed; // positions of records whose URL was listed when the call began
    QList<QUrl> notLocal;
    QStringList refused;
    QString unreadableName; // the refusal of the first name given that is not valid UTF-8
};

QString notLocalMessage(const QList<QUrl> &urls)
{
    const QString first = urls.constFirst().toDisplayString();
    if (urls.size() == 1) {
        return QCoreApplication::translate("RemuxViewModel", "%1 isn't on this computer, so it can't be added. Open its share in the file manager first.")
            .arg(first);
    }
    const int more = int(urls.size() - 1);
    return QCoreApplication::translate(
        "RemuxViewModel", "%1 and %n more aren't on this computer, so they can't be added. Open their share in the file manager first.", nullptr, more)
        .arg(first);
}

QString stalledMessage(const QList<QUrl> &urls)
{
    const QString first = urls.value(0).toDisplayString(QUrl::PreferLocalFile);
    if (urls.size() <= 1) {
        return QCoreApplication::translate("RemuxViewModel", "%1 stopped answering, so it wasn't added. Check that its drive or share is still there.")
            .arg(first);
    }
    const int more = int(urls.size() - 1);
    return QCoreApplication::translate(
        "RemuxViewModel", "%1 and %n more stopped answering, so they weren't added. Check that their drive or share is still there.", nullptr, more)
        .arg(first);
}

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
    case SourceCollector::Why::notText:
        // The name as its bytes decode, look-alike characters and all: it can't be shown truer.
        return QCoreApplication::translate("CommandLine", "The name %1 isn't valid UTF-8, so it can't be used. Rename it and try again.").arg(name);
    }
    // The engine's own words for a source that would be read forever.
    return QCoreApplication::translate("RemuxViewModel", "%1 isn't a regular file, so it can't be converted.").arg(name);
}
}

struct FileAdder::Call {
    QList<QUrl> urls;
    QFuture<Found> collecting;
    std::shared_ptr<std::atomic<std::int64_t>> lastActivity = std::make_shared<std::atomic<std::int64_t>>(nowTicks());
    int listedBefore = 0; // how many calls were listed when this one began
};

FileAdder::FileAdder(FileListModel *files, std::function<void()> walkHook, std::chrono::milliseconds stallLimit, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_walkHook(std::move(walkHook))
    , m_stallLimit(stallLimit)
{
    if (QCoreApplication::instance() != nullptr) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, &FileAdder::cancel);
    }
    m_stallWatch.setInterval(std::clamp(m_stallLimit / 4, std::chrono::milliseconds(5), std::chrono::milliseconds(1000)));
    connect(&m_stallWatch, &QTimer::timeout, this, &FileAdder::listReady);
}

// A walk in flight ends after the entry it is looking at; nothing here waits for it.
FileAdder::~FileAdder()
{
    cancel();
}

void FileAdder::cancel()
{
    *m_cancel = true;
    m_calls.clear();
    m_stallWatch.stop();
}

void FileAdder::add(const QList<QUrl> &urls)
{
    auto call = std::make_shared<Call>();
    call->urls = urls;
    call->listedBefore = m_callsListed;
    const QStringList extensions = acceptedInputExtensions();
    const SourceCollector::Proceed proceed = [cancel = m_cancel, hook = m_walkHook, activity = call->lastActivity] {
        if (hook) {
            hook();
        }
        *activity = nowTicks();
        return !*cancel;
    };
    // Every stat, the records and the duplicate test off the GUI thread: a dead share must not
    // stop the window painting, and 10,000 records cost more than their one insert. On the
    // workers that are never waited for: Qt waits for its own pool's threads at quit, and one
    // stuck on a dead share would keep the program from ever ending.
    call->collecting = QtConcurrent::run(
        DiskCall::workers(), [urls, accepted = QSet<QString>(extensions.cbegin(), extensions.cend()), proceed, listed = m_files->listedUrls()] {
            SourceCollector::Collected collected = SourceCollector::collect(urls, accepted, proceed);
            Found found { {}, {}, std::move(collected.notLocal), {} };
            for (const SourceCollector::Refused &refused : std::as_const(collected.refused)) {
                found.refused.append(refusalReason(refused));
                if (refused.why == SourceCollector::Why::notText && found.unreadableName.isEmpty()) {
                    found.unreadableName = found.refused.constLast();
                }
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
    auto *watcher = new QFutureWatcher<Found>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher] {
        watcher->deleteLater();
        listReady();
    });
    watcher->setFuture(call->collecting);
    m_calls.append(call);
    m_stallWatch.start();
}

bool FileAdder::isAdding() const
{
    return !m_calls.isEmpty();
}

QStringList FileAdder::acceptedInputExtensions()
{
    return OutputFormats::acceptedInputExtensions();
}

void FileAdder::listReady()
{
    const auto stalledSince = nowTicks() - std::chrono::duration_cast<SteadyClock::duration>(m_stallLimit).count();
    // Listed strictly in the order of the calls: a later call's rows wait for the earlier ones.
    while (!m_calls.isEmpty() && !*m_cancel) {
        const std::shared_ptr<Call> call = m_calls.constFirst();
        if (call->collecting.isFinished()) {
            m_calls.removeFirst();
            const Found found = call->collecting.result();
            if (!found.notLocal.isEmpty()) {
                Q_EMIT message(notLocalMessage(found.notLocal));
            }
            if (!found.refused.isEmpty()) {
                Q_EMIT filesRefused(found.refused);
            }
            // Other files are passed over in silence, but a name that isn't text is said: it
            // would otherwise vanish, and a look-alike could be taken for it.
            if (!found.unreadableName.isEmpty()) {
                Q_EMIT message(found.unreadableName);
            }
            appendNew(found.records, found.listed, m_callsListed != call->listedBefore);
        } else if (*call->lastActivity < stalledSince) {
            // Its walk holds a worker until the disk answers; what it finds then is dropped.
            m_calls.removeFirst();
            const QString stalled = stalledMessage(call->urls);
            Q_EMIT message(stalled);
            Q_EMIT filesRefused({ stalled });
            Q_EMIT filesAdded();
        } else {
            break;
        }
        ++m_callsListed;
    }
    if (m_calls.isEmpty()) {
        m_stallWatch.stop();
    }
}

void FileAdder::appendNew(const QList<InputFile> &records, const QList<qsizetype> &listed, bool othersListedMeanwhile)
{
    // The duplicate test looks only at records listed before this call, so a URL given twice
    // here is added twice. The records listed when the call began are looked at again, as a
    // removal since may have freed their URL; all of them when other calls were listed meanwhile.
    if (listed.isEmpty() && !othersListedMeanwhile) {
        m_files->append(records);
        Q_EMIT filesAdded();
        return;
    }
    QList<InputFile> fresh;
    fresh.reserve(records.size());
    for (qsizetype i = 0, next = 0; i < records.size(); ++i) {
        const bool wasListed = next < listed.size() && listed.at(next) == i;
        next += wasListed ? 1 : 0;
        if (!(wasListed || othersListedMeanwhile) || !m_files->containsUrl(records.at(i).url())) {
            fresh.append(records.at(i));
        }
    }
    m_files->append(fresh);
    Q_EMIT filesAdded();
}

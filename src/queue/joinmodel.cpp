#include "queue/joinmodel.h"

#include "engine/joinjob.h"

#include <QFutureWatcher>
#include <QtConcurrent>

namespace
{
JoinModel::Verdict engineCheck(const QList<QUrl> &parts)
{
    const JoinJob::Checked checked = JoinJob::check(parts);
    if (checked.unreadable) {
        return { -1, *checked.unreadable };
    }
    if (checked.refusal) {
        return { int(checked.refusal->part), checked.refusal->reason };
    }
    return {};
}
}

JoinModel::JoinModel(FileListModel *files, Check check, MayMove mayMove, QObject *parent)
    : QObject(parent)
    , m_files(files)
    , m_check(check ? std::move(check) : Check(engineCheck))
    , m_mayMove(std::move(mayMove))
{
    // Any change of which files are listed, or of their order, makes the last answer stale.
    // A status change is no such change.
    for (const auto changed : { &QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved }) {
        connect(m_files, changed, this, [this] {
            if (m_on) {
                recheck();
            }
        });
    }
    connect(m_files, &QAbstractItemModel::rowsMoved, this, [this] {
        if (m_on) {
            recheck();
        }
    });
}

void JoinModel::setOn(bool on)
{
    if (on == m_on) {
        return;
    }
    m_on = on;
    Q_EMIT onChanged();
    if (on) {
        recheck();
        return;
    }
    // Off: whatever check is out will be passed over, and nothing is refused.
    ++m_generation;
    m_checking = false;
    m_refusedId.clear();
    m_refusal.clear();
    Q_EMIT checkChanged();
}

bool JoinModel::isReady() const
{
    return m_on && !m_checking && m_refusal.isEmpty() && m_files->count() >= 2;
}

QList<QUrl> JoinModel::parts() const
{
    QList<QUrl> urls;
    urls.reserve(m_files->count());
    for (const InputFile &file : m_files->files()) {
        urls.append(file.url());
    }
    return urls;
}

bool JoinModel::moveFile(int from, int to)
{
    if (m_mayMove && !m_mayMove()) {
        return false;
    }
    return m_files->moveFile(from, to);
}

void JoinModel::recheck()
{
    const int generation = ++m_generation;
    m_checking = true;
    Q_EMIT checkChanged();
    const QList<QUrl> urls = parts();
    // One part alone has nothing to be held against; no worker for that.
    if (urls.size() < 2) {
        m_checking = false;
        m_refusedId.clear();
        m_refusal.clear();
        Q_EMIT checkChanged();
        return;
    }
    // The ids are taken now: by the time the answer arrives the rows may have moved.
    QList<QString> ids;
    ids.reserve(urls.size());
    for (const InputFile &file : m_files->files()) {
        ids.append(file.id().toString(QUuid::WithoutBraces));
    }
    auto *watcher = new QFutureWatcher<Verdict>(this);
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, generation, ids] {
        watcher->deleteLater();
        if (generation != m_generation) {
            return;
        }
        const Verdict verdict = watcher->result();
        m_checking = false;
        m_refusedId = verdict.part >= 0 && verdict.part < ids.size() ? ids.at(verdict.part) : QString();
        m_refusal = verdict.reason;
        Q_EMIT checkChanged();
    });
    watcher->setFuture(QtConcurrent::run([check = m_check, urls] { return check(urls); }));
}

#pragma once

#include "queue/filelistmodel.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <atomic>
#include <functional>
#include <memory>

// Puts files into the list: every look at the disk (stats, folder walks, the duplicate test) runs
// on a worker, and each call's rows arrive in one insert, calls in the order they were made.
// Confined to the main thread.
class FileAdder : public QObject
{
    Q_OBJECT

public:
    // `walkHook` runs on the worker before each entry a walk looks at (tests slow a walk with it).
    FileAdder(FileListModel *files, std::function<void()> walkHook, QObject *parent = nullptr);
    ~FileAdder() override;

    void add(const QList<QUrl> &urls);
    [[nodiscard]] bool isAdding() const;
    // Ends the walk in flight after the entry it is looking at, and every call after it.
    void cancel();

    // The extensions taken: every format's file extension, then a fixed list.
    [[nodiscard]] static QStringList acceptedInputExtensions();

Q_SIGNALS:
    // Once the rows of one call are in the list (none may have qualified).
    void filesAdded();
    // Before filesAdded(): why each file or folder named in the call that gave nothing to list
    // was left out. A folder's own entries are passed over in silence.
    void filesRefused(const QStringList &reasons);
    // Before filesAdded(): the call's URLs that name no local file (none: all were local).
    void notLocal(const QList<QUrl> &urls);

private:
    QCoro::Task<void> addPending();
    void appendNew(const QList<InputFile> &records, const QList<qsizetype> &listed);

    FileListModel *m_files;
    std::function<void()> m_walkHook;
    // Calls not yet listed, oldest first; while one walks, later ones wait behind it.
    QList<QList<QUrl>> m_pending;
    bool m_adding = false;
    // Read by the walker between entries.
    std::shared_ptr<std::atomic_bool> m_cancel = std::make_shared<std::atomic_bool>(false);
};

#pragma once

#include "queue/filelistmodel.h"

#include <QFuture>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <QUrl>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>

// Puts files into the list: every look at the disk (stats, folder walks, the duplicate test) runs
// on a worker, and each call's rows arrive in one insert. Calls run side by side and are listed
// in the order they were made; one whose walk stops answering for `stallLimit` is given up, so
// a dead share never holds up the calls after it. Confined to the main thread.
class FileAdder : public QObject
{
    Q_OBJECT

public:
    // `walkHook` runs on the worker before each entry a walk looks at (tests slow a walk with it).
    FileAdder(FileListModel *files, std::function<void()> walkHook, std::chrono::milliseconds stallLimit, QObject *parent = nullptr);
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
    // Before filesAdded(): what the window says of a call that named locations not on this
    // computer, or whose walk stopped answering (then nothing of it is listed).
    void message(const QString &text);

private:
    struct Call;
    void listReady();
    void appendNew(const QList<InputFile> &records, const QList<qsizetype> &listed, bool othersListedMeanwhile);

    FileListModel *m_files;
    std::function<void()> m_walkHook;
    std::chrono::milliseconds m_stallLimit;
    // Calls not yet listed, oldest first.
    QList<std::shared_ptr<Call>> m_calls;
    QTimer m_stallWatch;
    int m_callsListed = 0;
    // Read by the walker between entries.
    std::shared_ptr<std::atomic_bool> m_cancel = std::make_shared<std::atomic_bool>(false);
};

#pragma once

#include "queue/inputfile.h"

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

// The queue as the views see it: one row per InputFile, in list order. A status change of one
// record updates just that row; the list is never reset as a whole.
class FileListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The file list belongs to the RemuxViewModel")
    Q_PROPERTY(int count READ count NOTIFY countChanged)

public:
    enum Roles {
        FileIdRole = Qt::UserRole + 1, // QString form of the record's QUuid
        UrlRole, // QUrl of the source
        FileNameRole, // last path component of the source, verbatim
        FolderPathRole, // path of the folder that holds the source
        StatusRole, // "queued", "converting", "done" or "failed"
        HasFractionRole, // converting with a fraction
        FractionRole, // double, 0 when absent
        HasSpeedRole, // converting with a speed
        SpeedRole, // double, 0 when absent
        OutputUrlRole, // done: the written file; empty otherwise
        NoteRole, // done with a note: the note; empty otherwise
        ReasonRole, // failed: the reason; empty otherwise
    };
    Q_ENUM(Roles)

    explicit FileListModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] int count() const;
    [[nodiscard]] const QList<InputFile> &files() const;

    // Mutations, used by the RemuxViewModel only.
    void append(const QList<InputFile> &records);
    void setStatus(int row, const InputFile::FileStatus &status);
    // Removes every record for which `pred` holds, keeping the order of the others.
    template<typename Pred>
    void removeIf(Pred pred);
    // Tells the views that the list was touched even when nothing was appended.
    void touch();

Q_SIGNALS:
    void countChanged();
    // Emitted after every change of the list, including one record's status.
    void filesChanged();

private:
    void removeRowAt(int row);
    QList<InputFile> m_files;
};

template<typename Pred>
void FileListModel::removeIf(Pred pred)
{
    bool removed = false;
    for (int row = int(m_files.size()) - 1; row >= 0; --row) {
        if (pred(m_files.at(row))) {
            removeRowAt(row);
            removed = true;
        }
    }
    if (removed) {
        Q_EMIT countChanged();
    }
    Q_EMIT filesChanged();
}

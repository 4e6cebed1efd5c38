#pragma once

#include "engine/outputformat.h"
#include "engine/trackchoice.h"
#include "engine/trackplan.h"
#include "engine/trackrule.h"
#include "queue/inputfile.h"
#include "queue/trackstore.h"

#include <QAbstractListModel>
#include <QHash>
#include <QUuid>
#include <QtQml/qqmlregistration.h>
#include <memory>
#include <utility>

// The queue as the views see it: one row per InputFile, in list order. A status change of one
// record updates just that row; the list is never reset as a whole. Beside each record it keeps
// what is known of the file's tracks and the user's exceptions for it (a record stays a plain
// value), and shows the plan the rule makes of them, made when a row is first asked for it.
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
        StatusRole, // int of Status
        HasFractionRole, // converting with a fraction
        FractionRole, // double, 0 when absent
        HasSpeedRole, // converting with a speed
        SpeedRole, // double, 0 when absent
        OutputUrlRole, // done: the written file; empty otherwise
        NoteRole, // done with a note or a warning: both as sentences; empty otherwise
        ReasonRole, // failed: the reason; empty otherwise
        SavingRole, // converting, and the new file is being flushed and named
        TracksReadRole, // the file's tracks have been read (or found unreadable)
        TrackSummaryRole, // what the plan does, in one short line; empty until the tracks are read
        // The plan's decisions as maps: key, kind ("video", "audio", "subtitle", "data",
        // "attachment", "other"), languageName, languageCode, codec, title, marks (the words
        // for default / forced / hearing impaired / commentary, joined), kept, why, converted,
        // fromSide, byException, tickable (a tick would change what the file gets).
        TracksRole,
        HasExceptionRole, // the user ticked or unticked a track of this file
        ChaptersRole, // how many chapters the file holds; 0 until its tracks are read
    };
    Q_ENUM(Roles)

    // A row's status as the views branch on it.
    enum Status { Queued, Converting, Done, Failed };
    Q_ENUM(Status)

    explicit FileListModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    [[nodiscard]] int count() const;
    [[nodiscard]] const QList<InputFile> &files() const;

    // Row of the record with this id, or -1. Constant time: progress reports look rows up by id.
    [[nodiscard]] int rowOf(const QUuid &id) const;
    // Whether a record with this source URL is listed (URL equality by full text).
    [[nodiscard]] bool containsUrl(const QUrl &url) const;
    // The listed URLs with their counts: a shared copy that a worker may read.
    [[nodiscard]] QHash<QUrl, int> listedUrls() const { return m_urlCounts; }

    // Running tallies kept up to date by every mutation, so the derived values of the view model
    // cost nothing per progress report however long the list is.
    [[nodiscard]] int doneCount() const { return m_tally.done; }
    [[nodiscard]] int failedCount() const { return m_tally.failed; }
    [[nodiscard]] int doneWithNoteCount() const { return m_tally.doneWithNote; }
    [[nodiscard]] int doneWithWarningCount() const { return m_tally.doneWithWarning; }
    // Sum of the fractions of the converting records (absent counts as 0).
    [[nodiscard]] double convertingFractionSum() const { return m_tally.fractionSum; }

    // Tracks as read for files by id, each reading with the generation it was asked as; null:
    // the file couldn't be read, or gave no answer in time.
    struct Reading {
        QUuid id;
        int generation = 0;
        std::shared_ptr<const FileTracks> tracks;
    };
    using ReadTracks = QList<Reading>;

    // What is known of the rows' tracks (see TrackStore), read where the batch and the rule need it.
    [[nodiscard]] bool tracksRead(int row) const { return m_store.read(row); }
    // A new reading of the row is asked for: its generation, which only it will be taken with.
    // Until it arrives the row shows the reading it has, and a batch waits for the new one.
    int askReading(int row) { return m_store.askReading(row); }
    [[nodiscard]] bool readingPending(int row) const { return m_store.readingPending(row); }
    // The row's tracks as read; null when not read or unreadable.
    [[nodiscard]] std::shared_ptr<const FileTracks> tracks(int row) const { return m_store.tracks(row); }
    [[nodiscard]] const QHash<QString, bool> &trackExceptions(int row) const { return m_store.exceptions(row); }
    // What the batch hands the engine for the row: the rule, the side files when the rule adds
    // them, and the row's exceptions (or `exceptions`, when given).
    [[nodiscard]] TrackChoice trackChoice(int row, const QHash<QString, bool> *exceptions = nullptr) const { return m_store.choice(row, exceptions); }
    // The plan the rows show, made with the current rule and format; null until the tracks are read.
    [[nodiscard]] std::shared_ptr<const TrackPlan> plan(int row) const { return m_store.plan(row); }

    // Mutations, used by the RemuxViewModel only.
    void append(const QList<InputFile> &records);
    // Every row's plan follows the new rule or format: one change over the track roles of all rows.
    void setPlanContext(const TrackRule &rule, OutputFormat format);
    // Files no longer listed, and readings older than the last asked, are passed over; one change
    // over the rows that got theirs.
    void setTracks(const ReadTracks &read);
    void setTrackExceptions(int row, const QHash<QString, bool> &exceptions);
    void setStatus(int row, const InputFile::FileStatus &status);
    // Moves one row to `to`, its tracks and exceptions with it; false when either row is not listed.
    bool moveFile(int from, int to);
    // Removes every record for which `pred` holds, keeping the order of the others.
    template<typename Pred> void removeIf(Pred pred);

Q_SIGNALS:
    void countChanged();
    // Emitted after every change of the list, including one record's status.
    void filesChanged();

private:
    struct Tally {
        int done = 0;
        int doneWithNote = 0;
        int doneWithWarning = 0;
        int failed = 0;
        int converting = 0;
        double fractionSum = 0.0;
    };
    void tallyStatus(const InputFile::FileStatus &status, int sign);
    void removeRows(int first, int last);
    void rebuildIndex() const;
    [[nodiscard]] QVariant trackValue(int row, int role) const;

    QList<InputFile> m_files;
    TrackStore m_store; // row for row with m_files
    Tally m_tally;
    // id -> row; rebuilt lazily after removals, which shift rows.
    mutable QHash<QUuid, int> m_rowById;
    mutable bool m_indexStale = false;
    // URL -> number of records with it (a URL may be listed twice from one call). Keyed by QUrl,
    // not by its text: QUrl compares the stored components its full text is made from, so the
    // two equalities agree, and hashing the components costs a thirtieth of building the text.
    QHash<QUrl, int> m_urlCounts;
};

template<typename Pred> void FileListModel::removeIf(Pred pred)
{
    // Walks backwards and removes each run of matching rows at once, so rows not yet visited
    // keep their positions.
    bool removed = false;
    for (int row = int(m_files.size()) - 1; row >= 0; --row) {
        if (!pred(m_files.at(row))) {
            continue;
        }
        const int last = row;
        while (row > 0 && pred(m_files.at(row - 1))) {
            --row;
        }
        removeRows(row, last);
        removed = true;
    }
    if (removed) {
        Q_EMIT countChanged();
    }
    Q_EMIT filesChanged();
}

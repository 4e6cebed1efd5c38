#include "queue/filelistmodel.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace
{
int statusOf(const InputFile::FileStatus &status)
{
    switch (status.statusCase()) {
    case InputFile::FileStatus::Case::queued:
        return FileListModel::Queued;
    case InputFile::FileStatus::Case::converting:
        return FileListModel::Converting;
    case InputFile::FileStatus::Case::done:
        return FileListModel::Done;
    case InputFile::FileStatus::Case::failed:
        return FileListModel::Failed;
    }
    Q_UNREACHABLE();
    return FileListModel::Queued;
}

// The roles whose value depends on the status alone; only these can change after a record is made.
constexpr int statusRoles[] = {
    FileListModel::StatusRole,
    FileListModel::HasFractionRole,
    FileListModel::FractionRole,
    FileListModel::HasSpeedRole,
    FileListModel::SpeedRole,
    FileListModel::OutputUrlRole,
    FileListModel::NoteRole,
    FileListModel::ReasonRole,
    FileListModel::SavingRole,
};

// The roles that follow the plan; a rule or format change touches these alone.
const QList<int> planRoles { FileListModel::TrackSummaryRole, FileListModel::TracksRole };

QVariant statusValue(const InputFile::FileStatus &status, int role)
{
    const auto *converting = status.asConverting();
    const auto *done = status.asDone();
    const auto *failed = status.asFailed();
    switch (role) {
    case FileListModel::StatusRole:
        return statusOf(status);
    case FileListModel::HasFractionRole:
        return converting != nullptr && converting->fraction.has_value();
    case FileListModel::FractionRole:
        return converting != nullptr ? converting->fraction.value_or(0.0) : 0.0;
    case FileListModel::HasSpeedRole:
        return converting != nullptr && converting->speed.has_value();
    case FileListModel::SpeedRole:
        return converting != nullptr ? converting->speed.value_or(0.0) : 0.0;
    case FileListModel::OutputUrlRole:
        return done != nullptr ? done->outputURL : QUrl();
    case FileListModel::NoteRole:
        return done != nullptr ? done->shownNote() : QString();
    case FileListModel::ReasonRole:
        return failed != nullptr ? failed->reason : QString();
    case FileListModel::SavingRole:
        return converting != nullptr && converting->saving;
    default:
        return {};
    }
}
}

FileListModel::FileListModel(QObject *parent)
    : QAbstractListModel(parent)
{ }

int FileListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_files.size());
}

QVariant FileListModel::data(const QModelIndex &index, int role) const
{
    Q_ASSERT(checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid));
    const InputFile &file = m_files.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
    case FileNameRole:
        return file.url().fileName();
    case FileIdRole:
        return file.id().toString(QUuid::WithoutBraces);
    case UrlRole:
        return file.url();
    case FolderPathRole:
        return QFileInfo(file.url().toLocalFile()).path();
    case TracksReadRole:
    case TrackSummaryRole:
    case TracksRole:
    case HasExceptionRole:
    case ChaptersRole:
        return trackValue(index.row(), role);
    default:
        return statusValue(file.status(), role);
    }
}

QHash<int, QByteArray> FileListModel::roleNames() const
{
    return {
        { FileIdRole, "fileId" },
        { UrlRole, "url" },
        { FileNameRole, "fileName" },
        { FolderPathRole, "folderPath" },
        { StatusRole, "status" },
        { HasFractionRole, "hasFraction" },
        { FractionRole, "fraction" },
        { HasSpeedRole, "hasSpeed" },
        { SpeedRole, "speed" },
        { OutputUrlRole, "outputUrl" },
        { NoteRole, "note" },
        { ReasonRole, "reason" },
        { SavingRole, "saving" },
        { TracksReadRole, "tracksRead" },
        { TrackSummaryRole, "trackSummary" },
        { TracksRole, "tracks" },
        { HasExceptionRole, "hasException" },
        { ChaptersRole, "chapters" },
    };
}

int FileListModel::count() const
{
    return int(m_files.size());
}

const QList<InputFile> &FileListModel::files() const
{
    return m_files;
}

int FileListModel::rowOf(const QUuid &id) const
{
    if (m_indexStale) {
        rebuildIndex();
    }
    return m_rowById.value(id, -1);
}

bool FileListModel::containsUrl(const QUrl &url) const
{
    return m_urlCounts.contains(url);
}

QVariant FileListModel::trackValue(int row, int role) const
{
    switch (role) {
    case TracksReadRole:
        return m_store.read(row);
    case HasExceptionRole:
        return !m_store.exceptions(row).isEmpty();
    case TrackSummaryRole: {
        const auto made = m_store.plan(row);
        return made ? made->skipped.value_or(made->summary()) : QString();
    }
    case TracksRole:
        return m_store.maps(row);
    case ChaptersRole: {
        const auto read = m_store.tracks(row);
        return read && read->info ? read->info->chapters : 0;
    }
    default:
        return {};
    }
}

void FileListModel::setPlanContext(const TrackRule &rule, OutputFormat format)
{
    if (m_store.setContext(rule, format) && !m_files.isEmpty()) {
        Q_EMIT dataChanged(index(0), index(int(m_files.size()) - 1), planRoles);
    }
}

void FileListModel::setTracks(const ReadTracks &read)
{
    int first = int(m_files.size());
    int last = -1;
    for (const auto &[id, generation, tracks] : read) {
        const int row = rowOf(id);
        if (row < 0 || !m_store.take(row, generation, tracks)) {
            continue;
        }
        first = std::min(first, row);
        last = std::max(last, row);
    }
    // One change for the lot, so thousands of readings cost the views one update.
    if (last >= 0) {
        Q_EMIT dataChanged(index(first), index(last), { TracksReadRole, TrackSummaryRole, TracksRole, ChaptersRole });
    }
}

void FileListModel::setTrackExceptions(int row, const QHash<QString, bool> &exceptions)
{
    if (m_store.setExceptions(row, exceptions)) {
        Q_EMIT dataChanged(index(row), index(row), { TrackSummaryRole, TracksRole, HasExceptionRole });
    }
}

void FileListModel::append(const QList<InputFile> &records)
{
    if (!records.isEmpty()) {
        const int first = int(m_files.size());
        beginInsertRows({}, first, first + int(records.size()) - 1);
        m_files.append(records);
        m_store.appendRows(int(records.size()));
        m_rowById.reserve(m_files.size());
        m_urlCounts.reserve(m_files.size());
        for (int row = first; row < int(m_files.size()); ++row) {
            const InputFile &file = m_files.at(row);
            if (!m_indexStale) {
                m_rowById.insert(file.id(), row);
            }
            ++m_urlCounts[file.url()];
            tallyStatus(file.status(), +1);
        }
        endInsertRows();
        Q_EMIT countChanged();
    }
    Q_EMIT filesChanged();
}

void FileListModel::setStatus(int row, const InputFile::FileStatus &status)
{
    Q_ASSERT(row >= 0 && row < m_files.size());
    InputFile &file = m_files[row];
    const InputFile::FileStatus old = file.status();
    if (old == status) {
        return;
    }
    tallyStatus(old, -1);
    file.setStatus(status);
    tallyStatus(status, +1);
    // Adding and subtracting fractions drifts; with one file converting (the usual case) the
    // sum is simply that file's fraction.
    if (m_tally.converting == 1 && status.isConverting()) {
        m_tally.fractionSum = status.asConverting()->fraction.value_or(0.0);
    }

    QList<int> changed;
    for (const int role : statusRoles) {
        if (statusValue(old, role) != statusValue(status, role)) {
            changed.append(role);
        }
    }
    if (!changed.isEmpty()) {
        const QModelIndex at = index(row);
        Q_EMIT dataChanged(at, at, changed);
    }
    Q_EMIT filesChanged();
}

void FileListModel::tallyStatus(const InputFile::FileStatus &status, int sign)
{
    if (status.isDone()) {
        m_tally.done += sign;
        m_tally.doneWithNote += status.asDone()->note.has_value() ? sign : 0;
        m_tally.doneWithWarning += status.asDone()->warning.has_value() ? sign : 0;
    } else if (status.isFailed()) {
        m_tally.failed += sign;
    } else if (const auto *converting = status.asConverting()) {
        m_tally.converting += sign;
        m_tally.fractionSum += sign * converting->fraction.value_or(0.0);
        if (m_tally.converting == 0) {
            m_tally.fractionSum = 0.0;
        }
    }
}

void FileListModel::removeRows(int first, int last)
{
    beginRemoveRows({}, first, last);
    for (int row = first; row <= last; ++row) {
        const InputFile &file = m_files.at(row);
        tallyStatus(file.status(), -1);
        if (--m_urlCounts[file.url()] <= 0) {
            m_urlCounts.remove(file.url());
        }
    }
    m_files.remove(first, last - first + 1);
    m_store.removeRows(first, last - first + 1);
    m_indexStale = true;
    endRemoveRows();
}

void FileListModel::rebuildIndex() const
{
    m_rowById.clear();
    m_rowById.reserve(m_files.size());
    for (int row = 0; row < int(m_files.size()); ++row) {
        m_rowById.insert(m_files.at(row).id(), row);
    }
    m_indexStale = false;
}

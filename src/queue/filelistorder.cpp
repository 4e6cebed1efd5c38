#include "queue/filelistmodel.h"

// The order of the rows is the order of a join's parts; a move is one change the views follow,
// never a reset.
bool FileListModel::moveFile(int from, int to)
{
    const int count = int(m_files.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) {
        return false;
    }
    // Qt counts the destination before the move: one further down when moving down.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    m_files.move(from, to);
    m_store.moveRow(from, to);
    m_indexStale = true;
    endMoveRows();
    Q_EMIT filesChanged();
    return true;
}

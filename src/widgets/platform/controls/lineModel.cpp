#include "lineModel.h"

namespace platform {

void LineModel::setLines(int count, LineSource line)
{
    beginResetModel();
    m_kept.clear();
    m_count = count;
    m_line = std::move(line);
    endResetModel();
}

void LineModel::keepLines(const QStringList &lines)
{
    beginResetModel();
    m_kept = lines;
    m_count = int(m_kept.size());
    m_line = [this](int row) { return m_kept.at(row); };
    endResetModel();
}

int LineModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_count;
}

QVariant LineModel::data(const QModelIndex &index, int role) const
{
    if (index.row() < 0 || index.row() >= m_count || (role != Qt::DisplayRole && role != Qt::EditRole))
        return QVariant();
    return m_line(index.row());
}

} // namespace platform

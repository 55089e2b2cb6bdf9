#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <functional>

namespace platform {

// The rows of a list control as text lines, each made when it is shown or read rather than
// kept: ten thousand lines laid out from what their owner keeps cost nothing while they wait.
class LineModel : public QAbstractListModel
{
public:
    using LineSource = std::function<QString(int row)>;

    explicit LineModel(QObject *parent = nullptr) : QAbstractListModel(parent) {}

    void setLines(int count, LineSource line);
    // Lines that have no other owner.
    void keepLines(const QStringList &lines);
    int count() const { return m_count; }
    QString line(int row) const { return m_line(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    int m_count = 0;
    LineSource m_line;
    QStringList m_kept;
};

} // namespace platform

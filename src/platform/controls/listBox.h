#pragma once

#include <QListView>
#include <QStringList>

class QStringListModel;

namespace platform {

// A list box of text lines: emptied, filled, counted and read back by index. The lines live in
// one list rather than one item object each, so that ten thousand of them cost little.
class ListBox : public QListView
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void clear();
    void addItems(const QStringList &lines);
    int count() const { return int(m_lines.size()); }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
    QStringListModel *m_model;
};

} // namespace platform

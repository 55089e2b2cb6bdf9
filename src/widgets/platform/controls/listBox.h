#pragma once

#include "lineModel.h"

#include <QListView>

namespace platform {

// A list box of text lines: emptied, filled, counted and read back by index. No line has an
// item object of its own, and lines whose owner can lay them out are made only when shown or
// read, so that ten thousand of them cost little.
class ListBox : public QListView
{
    Q_OBJECT

public:
    explicit ListBox(QWidget *parent = nullptr);

    void clear();
    void addItems(const QStringList &lines);
    // `count` lines, line `row` made by `line` whenever it is shown or read.
    void setLines(int count, LineModel::LineSource line);
    int count() const { return m_model->count(); }
    QString line(int row) const { return m_model->line(row); }
    QStringList lines() const;

private:
    LineModel *m_model;
};

} // namespace platform

#include "listBox.h"

namespace platform {

ListBox::ListBox(QWidget *parent) : QListView(parent), m_model(new LineModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::clear()
{
    m_model->keepLines({});
}

void ListBox::addItems(const QStringList &lines)
{
    m_model->keepLines(this->lines() + lines);
}

void ListBox::setLines(int count, LineModel::LineSource line)
{
    m_model->setLines(count, std::move(line));
}

QStringList ListBox::lines() const
{
    QStringList all;
    all.reserve(m_model->count());
    for (int row = 0; row < m_model->count(); ++row)
        all.append(m_model->line(row));
    return all;
}

} // namespace platform

#include "listBox.h"

#include <QStringListModel>

namespace platform {

ListBox::ListBox(QWidget *parent) : QListView(parent), m_model(new QStringListModel(this))
{
    setModel(m_model);
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void ListBox::clear()
{
    m_lines.clear();
    m_model->setStringList(m_lines);
}

void ListBox::addItems(const QStringList &lines)
{
    m_lines += lines;
    m_model->setStringList(m_lines);
}

} // namespace platform

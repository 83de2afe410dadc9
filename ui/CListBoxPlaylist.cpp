#include "ui/CListBoxPlaylist.h"

#include <QFile>
#include <QListWidget>

int CListBoxPlaylist::GetCount() const
{
    return m_list.count();
}

std::string CListBoxPlaylist::GetText(int i) const
{
    const QListWidgetItem* item = m_list.item(i);
    return item != nullptr ? item->text().toStdString() : std::string();
}

std::string CListBoxPlaylist::GetPath(int i) const
{
    const QListWidgetItem* item = m_list.item(i);
    if (item == nullptr)
        return {};
    return QFile::encodeName(item->data(Qt::UserRole).toString()).toStdString();
}

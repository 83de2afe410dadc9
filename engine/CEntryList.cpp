#include "engine/CEntryList.h"

void CEntryList::Add(const PlaylistEntry& entry)
{
    m_entries.push_back(entry);
}

int CEntryList::GetCount() const
{
    return static_cast<int>(m_entries.size());
}

std::string CEntryList::GetText(int i) const
{
    return m_entries[static_cast<size_t>(i)].text;
}

std::string CEntryList::GetPath(int i) const
{
    return m_entries[static_cast<size_t>(i)].path;
}

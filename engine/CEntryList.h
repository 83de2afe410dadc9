#pragma once

#include "engine/IPlaylist.h"
#include "engine/PlaylistEntry.h"

#include <vector>

// A playlist held in memory: the command-line renderer's, and a test's.
class CEntryList : public IPlaylist
{
public:
    void Add(const PlaylistEntry& entry);
    const std::vector<PlaylistEntry>& Entries() const { return m_entries; }

    int GetCount() const override;
    std::string GetText(int i) const override;
    std::string GetPath(int i) const override;

private:
    std::vector<PlaylistEntry> m_entries;
};

#pragma once

#include <string>

// Read-only view of the playlist during a render run: entry i's display text
// ("[hh:mm:ss]  title") and the full path of its file. The playlist does not change
// while a run is in progress.
class IPlaylist
{
public:
    virtual ~IPlaylist() = default;
    virtual int GetCount() const = 0;
    virtual std::string GetText(int i) const = 0;
    virtual std::string GetPath(int i) const = 0;
};

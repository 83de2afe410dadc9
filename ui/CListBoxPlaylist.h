#pragma once

#include "engine/IPlaylist.h"

class QListWidget;

// The main window's list box seen as the render run's playlist: each item's text is the
// entry's display text and its data (Qt::UserRole) the full path of its file.
class CListBoxPlaylist : public IPlaylist
{
public:
    explicit CListBoxPlaylist(const QListWidget& list) : m_list(list) {}

    int GetCount() const override;
    std::string GetText(int i) const override;
    std::string GetPath(int i) const override;

private:
    const QListWidget& m_list;
};

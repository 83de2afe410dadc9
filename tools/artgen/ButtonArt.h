#pragma once

#include <QImage>
#include <QSize>

#include <span>

namespace art {

enum class Glyph
{
    Play,
    Restore,
    NewPage,
    Book,
    Plus,
    Minus,
    Trash,
    ArrowUp,
    ArrowDown,
    Folder,
};

struct ButtonDesign
{
    int stripId;
    QSize cell;
    const char* label; // "" for a symbol-only button
    Glyph glyph;
    bool primary; // the gold face of the main command
};

// The ten command buttons, in command order.
std::span<const ButtonDesign> ButtonDesigns();

// Three cells side by side: normal, pressed, hover.
QImage PaintStrip(const ButtonDesign& design);

} // namespace art

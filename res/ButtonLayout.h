#pragma once

#include <QRect>

#include <span>

// The main window's ten command buttons: command id, strip picture, client rectangle in
// pixels (one cell of the strip) and the string of the tool tip. The background picture
// carries each strip's normal cell at the button's rectangle.
struct ButtonPlacement
{
    int command;
    int strip;
    QRect rect;
    int tipStringId;
};

std::span<const ButtonPlacement> MainWindowButtons();

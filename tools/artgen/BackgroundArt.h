#pragma once

#include <QImage>

#include <functional>

namespace art {

// The main window's face, 668x496: the five panels and their titles on the base grey, with
// each command button's normal cell copied in at its rectangle. strip(id) gives a strip.
QImage PaintBackground(const std::function<QImage(int)>& strip);

} // namespace art

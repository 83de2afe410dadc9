#pragma once

#include <QPainter>
#include <QPixmap>
#include <QPoint>

// Copies the whole bitmap, at its own width and height, with its top-left corner at `at`.
// The pixels replace what is under them; nothing is scaled. A null bitmap draws nothing.
void DrawBitmap(QPainter& painter, QPoint at, const QPixmap& bitmap);

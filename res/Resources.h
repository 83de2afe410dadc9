#pragma once

#include <QColor>
#include <QCursor>
#include <QIcon>
#include <QPixmap>

// The program's pictures, icon and cursor, by their resource numbers. Everything is
// compiled into the program; nothing is read from disk at run time.
namespace res {

inline constexpr int kBaseGreyR = 195, kBaseGreyG = 201, kBaseGreyB = 205;

inline constexpr int kIconApp = 128;
inline constexpr int kCursorHand = 132;

inline constexpr int kBitmapThumb = 131;   // slider thumb, 8x16
inline constexpr int kBitmapChannel = 132; // slider channel, 63x20
inline constexpr int kBitmapBackground = 134;
inline constexpr int kBitmapStart = 135; // strips 135..144, in command order
inline constexpr int kBitmapRestore = 136;
inline constexpr int kBitmapNew = 137;
inline constexpr int kBitmapGuide = 138;
inline constexpr int kBitmapAdd = 139;
inline constexpr int kBitmapDelete = 140;
inline constexpr int kBitmapClear = 141;
inline constexpr int kBitmapUp = 142;
inline constexpr int kBitmapDown = 143;
inline constexpr int kBitmapOutput = 144;

// The ground colour of the skin, RGB(195,201,205).
QColor BaseGrey();

// Bitmap id (131..144) at its own size, 24-bit RGB; a null pixmap for an id the program
// does not hold.
QPixmap LoadBitmap(int id);

// Icon 128 with its 16x16 and 32x32 images.
QIcon LoadAppIcon();

// Cursor 132: a pointing hand whose hot spot (7, 0) is the tip of the index finger.
QCursor LoadHandCursor();

// Names of the picture files in res/pictures, which the artwork generator writes and the
// build compiles in. BitmapFileName is empty for an unknown id.
QString BitmapFileName(int id);
inline constexpr const char* kIcon16File = "icon-16.png";
inline constexpr const char* kIcon32File = "icon-32.png";
inline constexpr const char* kHandCursorFile = "cursor-hand.png";

} // namespace res

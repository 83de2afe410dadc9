#pragma once

#include <QFont>
#include <QRect>

#include <cstdint>
#include <span>

// The window layouts as data: each window's size and every control with its id, kind,
// text, rectangle in dialog units and styles. Dialog units are converted to client pixels
// at the base units of the 8-point dialog font at 96 dpi: 6x13 pixels per 4x8 units.

enum class ControlKind
{
    ListBox,
    Trackbar,
    Button, // push button, radio button or check box, told apart by the styles
    Static,
    ProgressBar,
};

// Style flags. Each name is the window or control style it stands for; the bits are this
// program's own, one per flag, whatever the control kind.
namespace dlgstyle {
inline constexpr std::uint64_t Child = 1ull << 0;
inline constexpr std::uint64_t Visible = 1ull << 1;
inline constexpr std::uint64_t Popup = 1ull << 2;
inline constexpr std::uint64_t Caption = 1ull << 3;
inline constexpr std::uint64_t SysMenu = 1ull << 4;
inline constexpr std::uint64_t MinimizeBox = 1ull << 5;
inline constexpr std::uint64_t ModalFrame = 1ull << 6;
inline constexpr std::uint64_t SetFont = 1ull << 7;
inline constexpr std::uint64_t Group = 1ull << 8;
inline constexpr std::uint64_t TabStop = 1ull << 9;
inline constexpr std::uint64_t VScroll = 1ull << 10;
inline constexpr std::uint64_t HScroll = 1ull << 11;
inline constexpr std::uint64_t Border = 1ull << 12;
// list box
inline constexpr std::uint64_t ListNotify = 1ull << 16;
inline constexpr std::uint64_t ListUseTabStops = 1ull << 17;
inline constexpr std::uint64_t ListNoIntegralHeight = 1ull << 18;
// trackbar
inline constexpr std::uint64_t TrackBoth = 1ull << 20;
inline constexpr std::uint64_t TrackNoTicks = 1ull << 21;
inline constexpr std::uint64_t TrackAutoTicks = 1ull << 22;
// button
inline constexpr std::uint64_t PushButton = 1ull << 24;
inline constexpr std::uint64_t DefPushButton = 1ull << 25;
inline constexpr std::uint64_t AutoRadioButton = 1ull << 26;
inline constexpr std::uint64_t AutoCheckBox = 1ull << 27;
inline constexpr std::uint64_t LeftText = 1ull << 28;
inline constexpr std::uint64_t VCenter = 1ull << 29;
// static
inline constexpr std::uint64_t StaticLeft = 1ull << 32;
inline constexpr std::uint64_t StaticCenter = 1ull << 33;
inline constexpr std::uint64_t StaticRight = 1ull << 34;
inline constexpr std::uint64_t StaticLeftNoWordWrap = 1ull << 35;
inline constexpr std::uint64_t StaticCenterImage = 1ull << 36;
inline constexpr std::uint64_t StaticSunken = 1ull << 37;
inline constexpr std::uint64_t StaticBlackFrame = 1ull << 38;
inline constexpr std::uint64_t StaticGrayFrame = 1ull << 39;
// extended styles
inline constexpr std::uint64_t ExStaticEdge = 1ull << 48;
inline constexpr std::uint64_t ExAppWindow = 1ull << 49;
} // namespace dlgstyle

inline constexpr int kNoControlId = -1; // an unnamed label

struct DialogControl
{
    int id = kNoControlId;
    ControlKind kind = ControlKind::Static;
    const char* text = "";            // UTF-8; "" for none
    int x = 0, y = 0, cx = 0, cy = 0; // dialog units
    std::uint64_t style = 0;          // dlgstyle flags beyond Child
    bool visible = true;

    bool Has(std::uint64_t flag) const { return (style & flag) != 0; }
    QRect PixelRect() const; // client pixels
};

struct DialogTemplate
{
    int id = 0;
    const char* caption = ""; // UTF-8
    int cx = 0, cy = 0;       // client size in dialog units
    const char* fontName = "";
    int fontPoints = 0;
    std::uint64_t style = 0;
    std::span<const DialogControl> controls;

    bool Has(std::uint64_t flag) const { return (style & flag) != 0; }
    QSize PixelSize() const;                               // client pixels
    const DialogControl* FindControl(int controlId) const; // first with that id, else null
};

inline constexpr int kDialogMain = 102;
inline constexpr int kDialogMixing = 129;
inline constexpr int kDialogGraph = 131;

// Template 102, 129 or 131; null for any other id.
const DialogTemplate* FindDialogTemplate(int id);

// Dialog units to client pixels, each value on its own, rounded as MulDiv rounds
// (halves away from zero): x and cx by 6/4, y and cy by 13/8.
QRect DialogUnitsToPixels(int x, int y, int cx, int cy);

// The stand-in for the 8-point "MS Sans Serif" of the templates.
QFont DialogFont();

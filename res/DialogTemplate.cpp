#include "res/DialogTemplate.h"

#include <cstdlib>

namespace {

using namespace dlgstyle;

constexpr int kBaseUnitX = 6;  // pixels per 4 horizontal dialog units
constexpr int kBaseUnitY = 13; // pixels per 8 vertical dialog units

constexpr std::uint64_t kLabel = StaticLeft | StaticCenterImage;
constexpr std::uint64_t kRightReadout = StaticRight | StaticCenterImage;
constexpr std::uint64_t kSkinnedTrackbar = Group | TrackBoth | TrackNoTicks | TrackAutoTicks;
constexpr std::uint64_t kToneCheckBox = Group | AutoCheckBox | LeftText | VCenter;

constexpr DialogControl kMainControls[] = {
    {1019, ControlKind::ListBox, "", 92, 36, 124, 85,
     VScroll | HScroll | Group | ListNotify | ListUseTabStops | ListNoIntegralHeight | ExStaticEdge,
     true},
    {1069, ControlKind::Trackbar, "Slider1", 371, 59, 47, 14, Group | TrackBoth | TrackNoTicks,
     true},
    {1011, ControlKind::Button, "Graph", 209, 218, 40, 11, Group | AutoRadioButton, true},
    {1010, ControlKind::Button, "Slider", 209, 234, 40, 11, AutoRadioButton, true},
    {1067, ControlKind::Trackbar, "Slider1", 205, 248, 47, 14, kSkinnedTrackbar, true},
    {1065, ControlKind::Trackbar, "Slider1", 371, 192, 47, 14, kSkinnedTrackbar, true},
    {1035, ControlKind::Button, "Medium tone", 309, 211, 61, 8, kToneCheckBox, true},
    {1036, ControlKind::Button, "High tone", 309, 226, 61, 8, kToneCheckBox, true},
    {1075, ControlKind::Trackbar, "Slider1", 371, 237, 47, 14, kSkinnedTrackbar, true},
    {1071, ControlKind::Trackbar, "Slider1", 371, 251, 47, 14, kSkinnedTrackbar, true},
    {1117, ControlKind::Static, "short file name", 301, 36, 96, 13,
     StaticLeftNoWordWrap | StaticCenterImage | StaticSunken, true},
    {kNoControlId, ControlKind::Static, "Fade", 310, 61, 23, 11, kLabel, true},
    {kNoControlId, ControlKind::Static, "Length (h:m:s)", 310, 75, 48, 11, kLabel, true},
    {kNoControlId, ControlKind::Static, "Required space", 310, 89, 59, 11, kLabel, true},
    {kNoControlId, ControlKind::Static, "Free disk space", 310, 103, 53, 11, kLabel, true},
    {1066, ControlKind::Static, "100", 348, 195, 22, 11, kRightReadout, true},
    {kNoControlId, ControlKind::Static, "Frequency", 310, 195, 38, 11, kLabel, true},
    {1068, ControlKind::Static, "100 Hz", 214, 199, 29, 10, StaticCenter | StaticCenterImage, true},
    {1072, ControlKind::Static, "100", 348, 253, 22, 11, kRightReadout, true},
    {kNoControlId, ControlKind::Static, "Dynamics", 310, 253, 36, 11, kLabel, true},
    {1076, ControlKind::Static, "100", 350, 239, 20, 11, kRightReadout, true},
    {kNoControlId, ControlKind::Static, "Min. volume", 310, 239, 46, 11, kLabel, true},
    {1070, ControlKind::Static, "100", 334, 61, 36, 11, kRightReadout, true},
    {1020, ControlKind::Static, "00:24:32", 366, 75, 45, 11, kRightReadout, true},
    {1130, ControlKind::Static, "", 29, 189, 166, 83, StaticBlackFrame, false},
    {1022, ControlKind::Static, "11,204 MB", 366, 103, 45, 11, kRightReadout, true},
    {1021, ControlKind::Static, "120 MB", 366, 89, 45, 11, kRightReadout, true},
};

constexpr DialogControl kMixingControls[] = {
    {2, ControlKind::Button, "Cancel", 77, 109, 50, 14, DefPushButton | TabStop, true},
    {1006, ControlKind::ProgressBar, "", 82, 7, 117, 11, Border, true},
    {1007, ControlKind::ProgressBar, "", 82, 26, 117, 11, Border, true},
    {1023, ControlKind::Static, "Completed", 7, 25, 58, 11, kLabel, true},
    {kNoControlId, ControlKind::Static, "Estimated time left", 7, 79, 58, 11, kLabel, true},
    {1028, ControlKind::Static, "---", 82, 78, 80, 11, kLabel, true},
    {kNoControlId, ControlKind::Static, "Elapsed time", 7, 61, 58, 11, kLabel, true},
    {1027, ControlKind::Static, "00:00:00", 82, 61, 80, 11, kLabel, true},
    {1024, ControlKind::Static, "Current", 7, 7, 58, 11, kLabel, true},
    {1026, ControlKind::Static, "file name", 82, 43, 117, 11, kLabel, true},
    {1025, ControlKind::Static, "Files 5 / 12", 7, 43, 56, 11, kLabel, true},
};

constexpr DialogControl kGraphControls[] = {
    {1130, ControlKind::Static, "", 0, 0, 287, 169, StaticGrayFrame | StaticSunken, true},
};

constexpr DialogTemplate kTemplates[] = {
    {kDialogMain, "   Velmira Mixer", 448, 305, "MS Sans Serif", 8,
     Popup | Visible | Caption | SysMenu | MinimizeBox | ModalFrame | SetFont | ExAppWindow,
     kMainControls},
    {kDialogMixing, "Mixing...", 206, 130, "MS Sans Serif", 8,
     Popup | Caption | SysMenu | MinimizeBox | ModalFrame | SetFont, kMixingControls},
    {kDialogGraph, "", 287, 169, "MS Sans Serif", 8, Child | Visible | SetFont, kGraphControls},
};

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    const long long rounded = product >= 0 ? (product + half) / c : (product - half) / c;
    return static_cast<int>(rounded);
}

} // namespace

QRect DialogControl::PixelRect() const
{
    return DialogUnitsToPixels(x, y, cx, cy);
}

QSize DialogTemplate::PixelSize() const
{
    return DialogUnitsToPixels(0, 0, cx, cy).size();
}

const DialogControl* DialogTemplate::FindControl(int controlId) const
{
    for (const DialogControl& control : controls) {
        if (control.id == controlId)
            return &control;
    }
    return nullptr;
}

const DialogTemplate* FindDialogTemplate(int id)
{
    for (const DialogTemplate& dialog : kTemplates) {
        if (dialog.id == id)
            return &dialog;
    }
    return nullptr;
}

QRect DialogUnitsToPixels(int x, int y, int cx, int cy)
{
    return QRect(MulDiv(x, kBaseUnitX, 4), MulDiv(y, kBaseUnitY, 8), MulDiv(cx, kBaseUnitX, 4),
                 MulDiv(cy, kBaseUnitY, 8));
}

QFont DialogFont()
{
    // DejaVu Sans Condensed at 8 points has the same dialog base units as the original
    // 8-point face, 6x13 pixels at 96 dpi, so texts fit their fields as laid out.
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

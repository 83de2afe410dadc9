#include "res/ButtonLayout.h"

#include "res/Resources.h"

namespace {

constexpr ButtonPlacement kMainButtons[] = {
    {20000, res::kBitmapStart, QRect(19, 58, 72, 49), 61570},
    {20001, res::kBitmapRestore, QRect(19, 113, 33, 32), 61571},
    {20002, res::kBitmapNew, QRect(57, 113, 33, 32), 61572},
    {20003, res::kBitmapGuide, QRect(19, 167, 72, 32), 61573},
    {20004, res::kBitmapAdd, QRect(334, 58, 58, 31), 61574},
    {20005, res::kBitmapDelete, QRect(334, 92, 58, 31), 61575},
    {20006, res::kBitmapClear, QRect(334, 126, 58, 31), 61576},
    {20007, res::kBitmapUp, QRect(334, 168, 28, 31), 61577},
    {20008, res::kBitmapDown, QRect(363, 168, 28, 31), 61578},
    {20009, res::kBitmapOutput, QRect(602, 58, 33, 24), 61579},
};

} // namespace

std::span<const ButtonPlacement> MainWindowButtons()
{
    return kMainButtons;
}

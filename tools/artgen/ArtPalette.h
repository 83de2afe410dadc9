#pragma once

#include <QColor>

// One palette for the whole skin: the base grey ground, slate blues taken from the graph
// editor's plot, and the gold of its curve as the accent.
namespace art {

inline QColor Ground()
{
    return QColor(195, 201, 205);
}
inline QColor GroundLight()
{
    return QColor(232, 235, 238);
}
inline QColor GroundShadow()
{
    return QColor(150, 158, 166);
}

inline QColor SlateDeep()
{
    return QColor(44, 56, 72);
}
inline QColor SlateDark()
{
    return QColor(72, 87, 106);
}
inline QColor Slate()
{
    return QColor(94, 110, 129);
}
inline QColor SlateLight()
{
    return QColor(132, 157, 180);
}
inline QColor SlatePale()
{
    return QColor(176, 194, 210);
}

inline QColor Gold()
{
    return QColor(255, 204, 0);
}
inline QColor GoldPale()
{
    return QColor(255, 230, 145);
}
inline QColor Amber()
{
    return QColor(170, 140, 30);
}

inline QColor Ink()
{
    return QColor(34, 44, 58);
}
inline QColor Paper()
{
    return QColor(246, 248, 250);
}

} // namespace art

#include "ButtonArt.h"

#include "ArtPalette.h"
#include "res/Resources.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art {
namespace {

enum class FaceState
{
    Normal,
    Pressed,
    Hover,
};

struct FaceColours
{
    QColor top, bottom, border, highlight, ink, glow;
};

const ButtonDesign kDesigns[] = {
    {res::kBitmapStart, QSize(72, 49), "Start", Glyph::Play, true},
    {res::kBitmapRestore, QSize(33, 32), "", Glyph::Restore, false},
    {res::kBitmapNew, QSize(33, 32), "", Glyph::NewPage, false},
    {res::kBitmapGuide, QSize(72, 32), "Guide", Glyph::Book, false},
    {res::kBitmapAdd, QSize(58, 31), "Add", Glyph::Plus, false},
    {res::kBitmapDelete, QSize(58, 31), "Delete", Glyph::Minus, false},
    {res::kBitmapClear, QSize(58, 31), "Clear", Glyph::Trash, false},
    {res::kBitmapUp, QSize(28, 31), "", Glyph::ArrowUp, false},
    {res::kBitmapDown, QSize(28, 31), "", Glyph::ArrowDown, false},
    {res::kBitmapOutput, QSize(33, 24), "", Glyph::Folder, false},
};

FaceColours SlateFace(FaceState state)
{
    switch (state) {
    case FaceState::Pressed:
        return {QColor(62, 76, 94), QColor(92, 108, 128),  SlateDeep(),
                QColor(0, 0, 0, 0), QColor(214, 222, 230), QColor(0, 0, 0, 0)};
    case FaceState::Hover:
        return {QColor(150, 172, 196),
                QColor(100, 120, 144),
                Amber(),
                QColor(255, 255, 255, 90),
                GoldPale(),
                QColor(255, 204, 0, 70)};
    case FaceState::Normal:
        break;
    }
    return {
        QColor(128, 148, 170), QColor(82, 98, 118), SlateDeep(), QColor(255, 255, 255, 70), Paper(),
        QColor(0, 0, 0, 0)};
}

FaceColours GoldFace(FaceState state)
{
    switch (state) {
    case FaceState::Pressed:
        return {QColor(186, 144, 14), QColor(226, 180, 36), QColor(104, 80, 8),
                QColor(0, 0, 0, 0),   QColor(44, 36, 10),   QColor(0, 0, 0, 0)};
    case FaceState::Hover:
        return {QColor(255, 236, 150),
                QColor(240, 194, 40),
                QColor(120, 94, 10),
                QColor(255, 255, 255, 150),
                Ink(),
                QColor(255, 204, 0, 90)};
    case FaceState::Normal:
        break;
    }
    return {QColor(255, 220, 92),
            QColor(216, 168, 18),
            QColor(120, 94, 10),
            QColor(255, 255, 255, 110),
            Ink(),
            QColor(0, 0, 0, 0)};
}

QFont LabelFont(const ButtonDesign& design)
{
    // The condensed cut leaves room for "Delete" and a symbol in a 58-pixel button.
    QFont font(design.primary ? QStringLiteral("DejaVu Sans")
                              : QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    font.setPixelSize(design.primary ? 14 : 11);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// Glyphs are drawn in a box of the given size with its top-left at the painter's origin.
QSizeF GlyphSize(Glyph glyph, bool primary)
{
    switch (glyph) {
    case Glyph::Play:
        return primary ? QSizeF(12, 14) : QSizeF(8, 10);
    case Glyph::Restore:
    case Glyph::NewPage:
        return QSizeF(16, 16);
    case Glyph::Book:
        return QSizeF(14, 12);
    case Glyph::Plus:
    case Glyph::Minus:
        return QSizeF(8, 8);
    case Glyph::Trash:
        return QSizeF(8, 10);
    case Glyph::ArrowUp:
    case Glyph::ArrowDown:
        return QSizeF(12, 14);
    case Glyph::Folder:
        return QSizeF(16, 12);
    }
    return {};
}

QPen GlyphPen(const QColor& colour, qreal width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

void DrawPlay(QPainter& p, QSizeF s, const QColor& ink)
{
    QPainterPath path;
    path.moveTo(0.5, 0.5);
    path.lineTo(s.width() - 0.5, s.height() / 2);
    path.lineTo(0.5, s.height() - 0.5);
    path.closeSubpath();
    p.setPen(GlyphPen(ink, 1.0));
    p.setBrush(ink);
    p.drawPath(path);
}

void DrawRestore(QPainter& p, QSizeF s, const QColor& ink)
{
    // Three quarters of a ring turning back against the clock, with its head at the top.
    const QPointF centre(s.width() / 2, s.height() / 2 + 0.5);
    const qreal radius = s.width() / 2 - 2.5;
    const qreal startDegrees = 90 + 35, spanDegrees = 280;
    QPainterPath ring;
    ring.arcMoveTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
                   startDegrees);
    ring.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius),
               startDegrees, spanDegrees);
    p.setPen(GlyphPen(ink, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(ring);
    // The head sits at the ring's start and points along it, against the sweep.
    const double angle = startDegrees * std::numbers::pi / 180;
    const QPointF tip(centre.x() + radius * std::cos(angle), centre.y() - radius * std::sin(angle));
    const QPointF along(std::sin(angle), std::cos(angle)); // tangent, clockwise
    const QPointF across(std::cos(angle), -std::sin(angle));
    const qreal length = 5.0, half = 3.6;
    QPainterPath head;
    head.moveTo(tip + along * (length * 0.6));
    head.lineTo(tip - along * (length * 0.4) + across * half);
    head.lineTo(tip - along * (length * 0.4) - across * half);
    head.closeSubpath();
    p.setPen(GlyphPen(ink, 0.8));
    p.setBrush(ink);
    p.drawPath(head);
}

void DrawNewPage(QPainter& p, QSizeF s, const QColor& ink, const QColor& accent)
{
    const qreal w = 11, h = 14, fold = 4;
    QPainterPath page;
    page.moveTo(1.5, 1.5);
    page.lineTo(1.5 + w - fold, 1.5);
    page.lineTo(1.5 + w, 1.5 + fold);
    page.lineTo(1.5 + w, 1.5 + h);
    page.lineTo(1.5, 1.5 + h);
    page.closeSubpath();
    p.setPen(GlyphPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(page);
    p.drawLine(QPointF(1.5 + w - fold, 1.5), QPointF(1.5 + w - fold, 1.5 + fold));
    p.drawLine(QPointF(1.5 + w - fold, 1.5 + fold), QPointF(1.5 + w, 1.5 + fold));
    // A small spark at the lower right: a fresh start.
    const QPointF c(s.width() - 3.0, s.height() - 4.0);
    p.setPen(GlyphPen(accent, 1.6));
    p.drawLine(c + QPointF(-3, 0), c + QPointF(3, 0));
    p.drawLine(c + QPointF(0, -3), c + QPointF(0, 3));
}

void DrawBook(QPainter& p, QSizeF s, const QColor& ink)
{
    const qreal mid = s.width() / 2;
    p.setPen(GlyphPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath left;
    left.moveTo(mid, 2.5);
    left.quadTo(mid - 3, 0.5, 0.8, 1.5);
    left.lineTo(0.8, s.height() - 1.5);
    left.quadTo(mid - 3, s.height() - 2.5, mid, s.height() - 0.6);
    QPainterPath right;
    right.moveTo(mid, 2.5);
    right.quadTo(mid + 3, 0.5, s.width() - 0.8, 1.5);
    right.lineTo(s.width() - 0.8, s.height() - 1.5);
    right.quadTo(mid + 3, s.height() - 2.5, mid, s.height() - 0.6);
    p.drawPath(left);
    p.drawPath(right);
    p.drawLine(QPointF(mid, 2.5), QPointF(mid, s.height() - 0.6));
}

void DrawPlusMinus(QPainter& p, QSizeF s, const QColor& ink, bool plus)
{
    p.setPen(GlyphPen(ink, 2.0));
    const qreal c = s.width() / 2;
    p.drawLine(QPointF(1, c), QPointF(s.width() - 1, c));
    if (plus)
        p.drawLine(QPointF(c, 1), QPointF(c, s.height() - 1));
}

void DrawTrash(QPainter& p, QSizeF s, const QColor& ink)
{
    p.setPen(GlyphPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0.5, 2.2), QPointF(s.width() - 0.5, 2.2));
    p.drawLine(QPointF(3.2, 0.6), QPointF(s.width() - 3.2, 0.6));
    QPainterPath body;
    body.moveTo(1.5, 3.5);
    body.lineTo(2.3, s.height() - 0.6);
    body.lineTo(s.width() - 2.3, s.height() - 0.6);
    body.lineTo(s.width() - 1.5, 3.5);
    p.drawPath(body);
    p.setPen(GlyphPen(ink, 0.9));
    p.drawLine(QPointF(s.width() / 2, 5), QPointF(s.width() / 2, s.height() - 2.4));
}

void DrawArrow(QPainter& p, QSizeF s, const QColor& ink, bool up)
{
    QPainterPath arrow;
    const qreal w = s.width(), h = s.height(), shaft = 2.2;
    arrow.moveTo(w / 2, 0.5);
    arrow.lineTo(w - 0.5, w / 2 + 0.5);
    arrow.lineTo(w / 2 + shaft, w / 2 + 0.5);
    arrow.lineTo(w / 2 + shaft, h - 0.5);
    arrow.lineTo(w / 2 - shaft, h - 0.5);
    arrow.lineTo(w / 2 - shaft, w / 2 + 0.5);
    arrow.lineTo(0.5, w / 2 + 0.5);
    arrow.closeSubpath();
    p.save();
    if (!up) {
        p.translate(0, h);
        p.scale(1, -1);
    }
    p.setPen(GlyphPen(ink, 1.0));
    p.setBrush(ink);
    p.drawPath(arrow);
    p.restore();
}

void DrawFolder(QPainter& p, QSizeF s, const QColor& ink)
{
    QPainterPath folder;
    folder.moveTo(0.8, 1.2);
    folder.lineTo(6.0, 1.2);
    folder.lineTo(7.5, 3.0);
    folder.lineTo(s.width() - 0.8, 3.0);
    folder.lineTo(s.width() - 0.8, s.height() - 0.8);
    folder.lineTo(0.8, s.height() - 0.8);
    folder.closeSubpath();
    p.setPen(GlyphPen(ink, 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(folder);
    p.drawLine(QPointF(0.8, 5.2), QPointF(s.width() - 0.8, 5.2));
}

void DrawGlyph(QPainter& p, const ButtonDesign& design, const QColor& ink, const QColor& accent)
{
    const QSizeF s = GlyphSize(design.glyph, design.primary);
    switch (design.glyph) {
    case Glyph::Play:
        DrawPlay(p, s, ink);
        break;
    case Glyph::Restore:
        DrawRestore(p, s, ink);
        break;
    case Glyph::NewPage:
        DrawNewPage(p, s, ink, accent);
        break;
    case Glyph::Book:
        DrawBook(p, s, ink);
        break;
    case Glyph::Plus:
    case Glyph::Minus:
        DrawPlusMinus(p, s, ink, design.glyph == Glyph::Plus);
        break;
    case Glyph::Trash:
        DrawTrash(p, s, ink);
        break;
    case Glyph::ArrowUp:
    case Glyph::ArrowDown:
        DrawArrow(p, s, ink, design.glyph == Glyph::ArrowUp);
        break;
    case Glyph::Folder:
        DrawFolder(p, s, ink);
        break;
    }
}

void PaintBody(QPainter& p, const QRectF& body, qreal radius, FaceState state, const FaceColours& c)
{
    if (state != FaceState::Pressed) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 50, 64, 60));
        p.drawRoundedRect(body.translated(1, 1), radius, radius);
    }
    if (c.glow.alpha() > 0) {
        p.setPen(QPen(c.glow, 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(body.adjusted(-0.5, -0.5, 0.5, 0.5), radius + 0.5, radius + 0.5);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0.0, c.top);
    fill.setColorAt(1.0, c.bottom);
    p.setPen(QPen(c.border, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(body, radius, radius);
    const QRectF inner = body.adjusted(1, 1, -1, -1);
    if (c.highlight.alpha() > 0) {
        p.setPen(QPen(c.highlight, 1.0));
        p.drawLine(QPointF(inner.left() + radius - 1, inner.top()),
                   QPointF(inner.right() - radius + 1, inner.top()));
    } else {
        p.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
        p.drawLine(QPointF(inner.left() + radius - 1, inner.top()),
                   QPointF(inner.right() - radius + 1, inner.top()));
    }
}

void PaintContent(QPainter& p, const QRectF& body, const ButtonDesign& design, const QColor& ink,
                  const QColor& accent, FaceState state)
{
    const QSizeF glyph = GlyphSize(design.glyph, design.primary);
    const QFont font = LabelFont(design);
    const QFontMetricsF metrics(font);
    const QString label = QString::fromUtf8(design.label);
    const qreal gap = label.isEmpty() ? 0 : (design.primary ? 5 : 3);
    const qreal textWidth = label.isEmpty() ? 0 : metrics.horizontalAdvance(label);
    const qreal total = glyph.width() + gap + textWidth;
    const qreal shift = state == FaceState::Pressed ? 1.0 : 0.0;
    const qreal left = std::round(body.center().x() - total / 2) + shift;
    const qreal middle = body.center().y() + shift;

    p.save();
    p.translate(left, std::round(middle - glyph.height() / 2));
    DrawGlyph(p, design, ink, accent);
    p.restore();

    if (label.isEmpty())
        return;
    p.setFont(font);
    const qreal baseline = std::round(middle + (metrics.capHeight()) / 2);
    const QPointF at(left + glyph.width() + gap, baseline);
    const bool darkInk = ink.lightness() < 128;
    p.setPen(darkInk ? QColor(255, 255, 255, 90) : QColor(20, 28, 40, 120));
    p.drawText(at + QPointF(0, 1), label);
    p.setPen(ink);
    p.drawText(at, label);
}

void PaintFace(QPainter& p, const QRect& cell, const ButtonDesign& design, FaceState state)
{
    const FaceColours c = design.primary ? GoldFace(state) : SlateFace(state);
    p.save();
    p.setClipRect(cell);
    p.fillRect(cell, Ground());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal radius = design.primary ? 6 : 4;
    const QRectF body = QRectF(cell).adjusted(1.5, 1.5, -2.5, -2.5);
    PaintBody(p, body, radius, state, c);
    const QColor accent = design.primary ? c.ink : Gold();
    PaintContent(p, body, design, c.ink, state == FaceState::Hover ? accent : c.ink, state);
    p.restore();
}

} // namespace

std::span<const ButtonDesign> ButtonDesigns()
{
    return kDesigns;
}

QImage PaintStrip(const ButtonDesign& design)
{
    const QSize cell = design.cell;
    QImage strip(cell.width() * 3, cell.height(), QImage::Format_RGB32);
    strip.fill(Ground());
    QPainter p(&strip);
    const FaceState states[] = {FaceState::Normal, FaceState::Pressed, FaceState::Hover};
    for (int i = 0; i < 3; ++i)
        PaintFace(p, QRect(QPoint(i * cell.width(), 0), cell), design, states[i]);
    return strip;
}

} // namespace art

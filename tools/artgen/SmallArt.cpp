#include "SmallArt.h"

#include "ArtPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr int kGrooveLeft = 6, kGrooveRight = 56, kGrooveTop = 8, kGrooveBottom = 11;

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

QPainterPath WavePath(const QRectF& box, double cycles, double amplitude, double phase)
{
    QPainterPath path;
    const int steps = 64;
    for (int i = 0; i <= steps; ++i) {
        const double t = static_cast<double>(i) / steps;
        const double x = box.left() + t * box.width();
        const double y =
            box.center().y() - amplitude * std::sin(phase + t * cycles * 2 * std::numbers::pi);
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    return path;
}

// The hand as whole pixels: the fingers and palm filled white, then every transparent pixel
// that touches them side by side outlined in black. Gaps between the fingers become their
// creases, and the corner pixels left out round the fingertips.
struct PixelSpan
{
    int left, top, right, bottom; // inclusive
};

constexpr PixelSpan kHandSpans[] = {
    {6, 1, 8, 13},    // index finger, tip on row 1 so the outline's row 0 is the hot spot
    {10, 7, 12, 13},  // middle finger, folded
    {14, 8, 16, 13},  // ring finger
    {18, 10, 19, 13}, // little finger
    {6, 14, 19, 19},  // palm
    {7, 20, 18, 20},  {8, 21, 18, 22}, {8, 23, 17, 24}, // heel of the hand, narrowing
    {2, 12, 4, 13},   {5, 13, 5, 13},  {3, 14, 5, 14},  {4, 15, 5, 16}, // thumb
};

bool InHand(int x, int y)
{
    for (const PixelSpan& span : kHandSpans) {
        if (x >= span.left && x <= span.right && y >= span.top && y <= span.bottom)
            return true;
    }
    return false;
}

} // namespace

QImage PaintThumb()
{
    QImage thumb(8, 16, QImage::Format_RGB32);
    thumb.fill(Ground());
    QPainter p(&thumb);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(0.5, 0.5, 7, 15);
    QLinearGradient fill(body.topLeft(), body.topRight());
    fill.setColorAt(0.0, SlatePale());
    fill.setColorAt(0.45, SlateLight());
    fill.setColorAt(1.0, SlateDark());
    p.setPen(QPen(SlateDeep(), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(body, 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Gold());
    p.drawRect(3, 4, 2, 8);
    p.setBrush(Amber());
    p.drawRect(4, 5, 1, 7);
    return thumb;
}

QImage PaintChannel()
{
    QImage channel(63, 20, QImage::Format_RGB32);
    channel.fill(Ground());
    // Lit from above: a dark upper lip, a slate bed and a light lower lip.
    const QColor rows[] = {QColor(66, 80, 98), QColor(86, 102, 122), QColor(108, 126, 146),
                           QColor(236, 239, 242)};
    for (int y = kGrooveTop; y <= kGrooveBottom; ++y) {
        const QColor row = rows[y - kGrooveTop];
        for (int x = kGrooveLeft; x <= kGrooveRight; ++x) {
            const bool end = x == kGrooveLeft || x == kGrooveRight;
            const bool corner = end && (y == kGrooveTop || y == kGrooveBottom);
            const QColor colour = corner ? Mix(row, Ground(), 0.6)
                                  : end  ? Mix(row, Ground(), 0.3)
                                         : row;
            channel.setPixelColor(x, y, colour);
        }
    }
    return channel;
}

QImage PaintIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;
    const bool large = size >= 32;
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0.0, QColor(112, 134, 158));
    fill.setColorAt(1.0, SlateDeep());
    p.setPen(QPen(SlateDeep(), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(tile, s / 5, s / 5);
    // Two tones a beat apart: the pale wave for one ear, the gold one for the other.
    const QRectF waves = tile.adjusted(s * 0.14, s * 0.22, -s * 0.14, -s * 0.22);
    p.setBrush(Qt::NoBrush);
    if (large) {
        QPen pale(SlatePale(), 1.6);
        pale.setCapStyle(Qt::RoundCap);
        p.setPen(pale);
        p.drawPath(WavePath(waves, 2.5, waves.height() * 0.40, 0.0));
    }
    QPen gold(Gold(), large ? 2.4 : 1.6);
    gold.setCapStyle(Qt::RoundCap);
    p.setPen(gold);
    p.drawPath(WavePath(waves, large ? 2.0 : 1.5, waves.height() * 0.46, 0.0));
    return icon;
}

QImage PaintHandCursor()
{
    QImage cursor(32, 32, QImage::Format_ARGB32);
    cursor.fill(Qt::transparent);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (InHand(x, y)) {
                cursor.setPixel(x, y, qRgba(255, 255, 255, 255));
                continue;
            }
            const bool edge =
                InHand(x - 1, y) || InHand(x + 1, y) || InHand(x, y - 1) || InHand(x, y + 1);
            if (edge)
                cursor.setPixel(x, y, qRgba(0, 0, 0, 255));
        }
    }
    return cursor;
}

} // namespace art

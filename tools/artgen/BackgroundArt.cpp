#include "BackgroundArt.h"

#include "ArtPalette.h"
#include "res/ButtonLayout.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace art {
namespace {

constexpr int kWidth = 668, kHeight = 496;

struct Panel
{
    QRect frame;
    const char* title; // "" for the untitled panel
};

// Frames in client pixels around the controls of window 102 and the buttons.
const Panel kPanels[] = {
    {QRect(8, 36, 96, 178), ""},
    {QRect(116, 36, 300, 178), "Input Playlist"},
    {QRect(428, 36, 232, 178), "Output Sound File"},
    {QRect(8, 286, 408, 174), "Velmira Beat Frequencies"},
    {QRect(428, 286, 232, 174), "Carrier Tone"},
};

constexpr qreal kRadius = 6;
constexpr int kTitleIndent = 14;

QFont TitleFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont WordmarkFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(22);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// An etched frame: a shadow line with a light line just inside it, leaving a gap for the
// title on the top edge.
void PaintFrame(QPainter& p, const Panel& panel)
{
    const QRectF outer = QRectF(panel.frame).adjusted(0.5, 0.5, -1.5, -1.5);
    const QRectF inner = outer.translated(1, 1);
    QPainterPath frame;
    frame.addRoundedRect(outer, kRadius, kRadius);
    QPainterPath light;
    light.addRoundedRect(inner, kRadius, kRadius);

    p.save();
    const QString title = QString::fromUtf8(panel.title);
    if (!title.isEmpty()) {
        const QFontMetricsF metrics(TitleFont());
        const qreal gapLeft = panel.frame.left() + kTitleIndent - 6;
        const qreal gapRight =
            panel.frame.left() + kTitleIndent + 16 + metrics.horizontalAdvance(title) + 6;
        QRegion clip(QRect(0, 0, kWidth, kHeight));
        clip -= QRegion(QRect(QPoint(int(gapLeft), panel.frame.top() - 8),
                              QPoint(int(gapRight), panel.frame.top() + 8)));
        p.setClipRegion(clip);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(GroundLight(), 1.0));
    p.drawPath(light);
    p.setPen(QPen(GroundShadow(), 1.0));
    p.drawPath(frame);
    p.restore();
}

void PaintTitle(QPainter& p, const Panel& panel)
{
    const QString title = QString::fromUtf8(panel.title);
    if (title.isEmpty())
        return;
    const QFont font = TitleFont();
    const QFontMetricsF metrics(font);
    const qreal left = panel.frame.left() + kTitleIndent;
    const qreal middle = panel.frame.top() + 0.5;
    // A small gold bar leads the title, echoing the curve of the graph.
    p.setPen(Qt::NoPen);
    p.setBrush(Amber());
    p.drawRoundedRect(QRectF(left, middle - 4, 10, 8), 2, 2);
    p.setBrush(Gold());
    p.drawRoundedRect(QRectF(left + 1, middle - 3, 8, 6), 1.5, 1.5);
    const QPointF at(left + 16, std::round(middle + metrics.capHeight() / 2));
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 140));
    p.drawText(at + QPointF(0, 1), title);
    p.setPen(SlateDeep());
    p.drawText(at, title);
}

// The product's name between the two rows of panels, with a faint beat wave behind it.
void PaintWordmark(QPainter& p)
{
    const QRectF band(8, 214, 652, 72);
    // Two close tones heard together: a fast wave whose loudness swells and fades at the
    // beat frequency, faded out towards both ends.
    QPainterPath wave;
    const double left = band.left() + 20, span = band.width() - 40;
    for (int i = 0; i <= 1200; ++i) {
        const double t = i / 1200.0;
        const double edge = std::min(1.0, std::min(t, 1.0 - t) * 8.0);
        const double envelope = edge * std::abs(std::cos(t * 4 * std::numbers::pi));
        const double y = band.center().y() + 10 * envelope * std::sin(t * 64 * std::numbers::pi);
        if (i == 0)
            wave.moveTo(left + t * span, y);
        else
            wave.lineTo(left + t * span, y);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 140, 30, 110), 1.1));
    p.drawPath(wave);

    const QFont font = WordmarkFont();
    const QFontMetricsF metrics(font);
    const QString name = QStringLiteral("VELMIRA MIXER");
    const qreal width = metrics.horizontalAdvance(name);
    const QPointF at(std::round(band.center().x() - width / 2),
                     std::round(band.center().y() + metrics.capHeight() / 2));
    p.fillRect(QRectF(at.x() - 14, band.center().y() - 16, width + 28, 32), Ground());
    p.setFont(font);
    p.setPen(QColor(255, 255, 255, 150));
    p.drawText(at + QPointF(0, 1), name);
    p.setPen(Slate());
    p.drawText(at, name);
}

// Sets the guide apart from the mixing commands in the narrow panel.
void PaintDivider(QPainter& p)
{
    p.setPen(QPen(GroundShadow(), 1.0));
    p.drawLine(QPointF(22, 155.5), QPointF(88, 155.5));
    p.setPen(QPen(GroundLight(), 1.0));
    p.drawLine(QPointF(22, 156.5), QPointF(88, 156.5));
}

void CopyNormalCells(QPainter& p, const std::function<QImage(int)>& strip)
{
    p.setCompositionMode(QPainter::CompositionMode_Source);
    for (const ButtonPlacement& button : MainWindowButtons()) {
        const QImage image = strip(button.strip);
        p.drawImage(button.rect.topLeft(), image, QRect(QPoint(0, 0), button.rect.size()));
    }
}

} // namespace

QImage PaintBackground(const std::function<QImage(int)>& strip)
{
    QImage background(kWidth, kHeight, QImage::Format_RGB32);
    background.fill(Ground());
    QPainter p(&background);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Panel& panel : kPanels)
        PaintFrame(p, panel);
    for (const Panel& panel : kPanels)
        PaintTitle(p, panel);
    PaintDivider(p);
    PaintWordmark(p);
    p.setRenderHint(QPainter::Antialiasing, false);
    CopyNormalCells(p, strip);
    return background;
}

} // namespace art

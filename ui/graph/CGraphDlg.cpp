#include "ui/graph/CGraphDlg.h"

#include "engine/CBeatCurve.h"
#include "res/DialogTemplate.h"
#include "res/Resources.h"

#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kFrameId = 1130;
constexpr int kMinTrackWidth = 430;
constexpr int kMinTrackHeight = 300;
// Below this height the grid step (height - 16) / 8 would be 0.
constexpr int kMinDrawingHeight = 24;
// Margins of the plot inside the drawing rectangle; the right one holds the labels.
constexpr int kPlotMargin = 8;
constexpr int kLabelMargin = 21;
constexpr int kGridSteps = 8;
constexpr int kHitRadius = 2;
constexpr int kBandWidening = 2;
constexpr double kRemoveBeyond = 0.1; // of the plot height, above or below the plot

constexpr QRgb kPlotFill = qRgb(94, 110, 129);
constexpr QRgb kGridLine = qRgb(132, 157, 180);
constexpr QRgb kBorder = qRgb(170, 140, 30);
constexpr QRgb kCurveLine = qRgb(255, 204, 0);
constexpr QRgb kPointSquare = qRgb(255, 230, 145);
constexpr QRgb kLabelText = qRgb(0, 0, 0);

// number * numerator / denominator rounded to the nearest integer, for positive values.
int MulDiv(int number, int numerator, int denominator)
{
    return (number * numerator + denominator / 2) / denominator;
}

// Truncates toward zero; values far outside any window are held at a bound, so that a curve
// with wild y values still draws without overflow.
int TruncToPixel(double v)
{
    constexpr double kLimit = 1 << 20;
    if (!(v > -kLimit))
        return -static_cast<int>(kLimit);
    if (v > kLimit)
        return static_cast<int>(kLimit);
    return static_cast<int>(v);
}

QRect ToQRect(const CGraphDlg::Rect& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// A 1-pixel line as GDI's LineTo draws it: the start pixel is drawn, the end pixel is not.
// Bresenham picks the pixels; the pixels of one row are filled as one run.
void LineTo(QPainter& dc, QPoint from, QPoint to, QRgb colour)
{
    QRect run;
    auto plot = [&](int x, int y) {
        if (!run.isNull() && run.y() == y) {
            run = run.united(QRect(x, y, 1, 1));
            return;
        }
        if (!run.isNull())
            dc.fillRect(run, QColor(colour));
        run = QRect(x, y, 1, 1);
    };

    const int dx = std::abs(to.x() - from.x());
    const int dy = std::abs(to.y() - from.y());
    const int sx = from.x() < to.x() ? 1 : -1;
    const int sy = from.y() < to.y() ? 1 : -1;
    int err = dx - dy;
    int x = from.x();
    int y = from.y();
    while (x != to.x() || y != to.y()) {
        plot(x, y);
        const int e2 = 2 * err;
        if (e2 > -dy) {
            err -= dy;
            x += sx;
        }
        if (e2 < dx) {
            err += dx;
            y += sy;
        }
    }
    if (!run.isNull())
        dc.fillRect(run, QColor(colour));
}

// Text at (x, y) as its top-left corner on an opaque box of the text's cell height.
void TextOut(QPainter& dc, int x, int y, const QString& text)
{
    const QFontMetrics metrics = dc.fontMetrics();
    dc.fillRect(QRect(x, y, metrics.horizontalAdvance(text), metrics.height()), res::BaseGrey());
    dc.setPen(QColor(kLabelText));
    dc.drawText(x, y + metrics.ascent(), text);
}

} // namespace

CGraphDlg::CGraphDlg(QWidget* parent) : QWidget(parent)
{
    CreateFromTemplate();
    // Every paint covers the whole client area, so nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    OnInitDialog();
    OnGetMinMaxInfo();
}

void CGraphDlg::CreateFromTemplate()
{
    const DialogTemplate* dialog = FindDialogTemplate(kDialogGraph);
    if (!dialog)
        return;
    resize(dialog->PixelSize());
    if (const DialogControl* frame = dialog->FindControl(kFrameId)) {
        m_pFrame = new QFrame(this);
        // The template's sunken grey frame, drawn as a half-sunken edge.
        m_pFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The frame only draws; presses and moves over it belong to the editor.
        m_pFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_pFrame->setGeometry(frame->PixelRect());
        KeepFrameLookWhenDisabled();
    }
}

void CGraphDlg::OnInitDialog()
{
    m_hArrowCursor = QCursor(Qt::ArrowCursor);
    m_hHandCursor = res::LoadHandCursor();
    m_bDragging = 0;
    m_nSel = -1;
    setCursor(m_hArrowCursor);
    UpdateFaceColor();
}

void CGraphDlg::SetFlatLevel(double y)
{
    if (m_pCurve)
        m_pCurve->SetConstant(y);
    update();
}

void CGraphDlg::UpdateFaceColor()
{
    const QColor face = palette().color(QPalette::Active, QPalette::Button);
    m_clrFace =
        CColorRGB(static_cast<std::uint8_t>(face.red()), static_cast<std::uint8_t>(face.green()),
                  static_cast<std::uint8_t>(face.blue()));
}

QFont CGraphDlg::CreateLabelFont() const
{
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(MulDiv(8, logicalDpiY(), 72));
    font.setWeight(QFont::Normal);
    return font;
}

int CGraphDlg::HitTest(QPoint p) const
{
    if (!m_pCurve)
        return -1;
    const int count = m_pCurve->GetCount();
    for (int i = 0; i < count; ++i) {
        const QPoint q = PointPixel(i);
        if (std::abs(q.x() - p.x()) <= kHitRadius && std::abs(q.y() - p.y()) <= kHitRadius)
            return i;
    }
    return -1;
}

void CGraphDlg::paintEvent(QPaintEvent*)
{
    OnPaint();
}

void CGraphDlg::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    OnLButtonDown(event->position().toPoint());
}

void CGraphDlg::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event->position().toPoint());
}

void CGraphDlg::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    OnLButtonUp(event->position().toPoint());
}

void CGraphDlg::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    OnSize();
}

void CGraphDlg::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        OnSysColorChange();
    else if (event->type() == QEvent::ParentChange)
        OnGetMinMaxInfo();
}

void CGraphDlg::OnPaint()
{
    if (size().isEmpty())
        return;
    QImage buffer(size(), QImage::Format_RGB32);
    buffer.fill(res::BaseGrey());
    {
        QPainter dc(&buffer);
        dc.setRenderHint(QPainter::Antialiasing, false);
        const Rect r = FitFrameToMargins();
        dc.fillRect(ToQRect(r), res::BaseGrey());
        const bool roomForPlot =
            r.bottom - r.top >= kMinDrawingHeight && r.right - kLabelMargin > r.left + kPlotMargin;
        if (roomForPlot) {
            DrawGrid(dc, r);
            DrawCurve(dc);
        } else {
            m_rcPlot = Rect{};
        }
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void CGraphDlg::OnSize()
{
    // Fitting the frame here already, not only at the next paint, lets it repaint at its new
    // size in the same pass as the editor.
    FitFrameToMargins();
    update();
}

void CGraphDlg::OnSysColorChange()
{
    UpdateFaceColor();
    KeepFrameLookWhenDisabled();
}

void CGraphDlg::OnGetMinMaxInfo()
{
    // The minimum tracking size limits resizing by a sizing border, which only a top-level
    // editor has; as a child the owner's placement alone decides the size.
    if (isWindow())
        setMinimumSize(kMinTrackWidth, kMinTrackHeight);
    else
        setMinimumSize(0, 0);
}

void CGraphDlg::DrawGrid(QPainter& dc, const Rect& r)
{
    const int step = (r.bottom - r.top - 2 * kPlotMargin) / kGridSteps;
    m_rcPlot = Rect{r.left + kPlotMargin, r.top + kPlotMargin, r.right - kLabelMargin,
                    r.top + kPlotMargin + kGridSteps * step};
    const Rect& plot = m_rcPlot;
    dc.fillRect(ToQRect(plot), QColor(kPlotFill));

    for (int k = 0; k <= kGridSteps; ++k) {
        const int y = plot.top + k * step;
        LineTo(dc, QPoint(plot.left, y), QPoint(plot.right, y), kGridLine);
    }

    dc.setFont(CreateLabelFont());
    const int textHeight = dc.fontMetrics().height();
    for (int k = 0; k <= kGridSteps; ++k) {
        const int y = plot.top + k * step;
        // 30 Hz at the top, 3.75 Hz per step down, halves rounded up.
        const int hertz = static_cast<int>(30 - 3.75 * k + 0.5);
        TextOut(dc, plot.right + 5, y - textHeight / 2, QString::number(hertz));
        LineTo(dc, QPoint(plot.right, y), QPoint(plot.right + 3, y), kBorder);
    }

    const QPoint topLeft(plot.left, plot.top);
    const QPoint topRight(plot.right, plot.top);
    const QPoint bottomRight(plot.right, plot.bottom);
    const QPoint bottomLeft(plot.left, plot.bottom);
    LineTo(dc, topLeft, topRight, kBorder);
    LineTo(dc, topRight, bottomRight, kBorder);
    LineTo(dc, bottomRight, bottomLeft, kBorder);
    LineTo(dc, bottomLeft, topLeft, kBorder);
}

void CGraphDlg::DrawCurve(QPainter& dc) const
{
    if (!m_pCurve)
        return;
    const int count = m_pCurve->GetCount();
    for (int i = 1; i < count; ++i)
        LineTo(dc, PointPixel(i - 1), PointPixel(i), kCurveLine);
    for (int i = 0; i < count; ++i) {
        const QPoint p = PointPixel(i);
        dc.fillRect(QRect(p.x() - 2, p.y() - 2, 5, 5), QColor(kPointSquare));
    }
}

void CGraphDlg::OnLButtonDown(QPoint p)
{
    if (!HasPlot() || !m_pCurve)
        return;
    m_nSel = HitTest(p);
    if (m_nSel == -1) {
        if (!IsInBand(p))
            return;
        const Rect& plot = m_rcPlot;
        const CurvePoint added{static_cast<double>(p.x() - plot.left) / (plot.right - plot.left),
                               static_cast<double>(plot.bottom - p.y()) / (plot.bottom - plot.top)};
        m_pCurve->InsertPoint(&added);
        m_nSel = HitTest(p);
        if (m_nSel == -1)
            return;
    }
    // The press is accepted, so Qt sends every mouse event to the editor until the release:
    // the mouse stays captured for the whole gesture.
    setCursor(m_hHandCursor);
    m_bDragging = 1;
    update();
}

void CGraphDlg::OnMouseMove(QPoint p)
{
    if (!HasPlot() || !m_pCurve)
        return;
    const int hit = HitTest(p);
    if (!m_bDragging && hit != -1)
        p = HoveredPointPixel(hit);

    const Rect& plot = m_rcPlot;
    const double fx = static_cast<double>(p.x() - plot.left) / (plot.right - plot.left);
    const double fy = 1.0 - static_cast<double>(p.y() - plot.top) / (plot.bottom - plot.top);
    ShowReadout(IsInBand(p) ? QString::asprintf("%2.1f Hz", m_dMaxBeat * fy) : QString());

    if (m_bDragging) {
        m_pCurve->SetPoint(m_nSel, std::clamp(fx, 0.0, 1.0), std::clamp(fy, 0.0, 1.0));
        if (fy < -kRemoveBeyond || fy > 1.0 + kRemoveBeyond) {
            // End points are refused by the curve and stay pinned at the edge; the drag ends
            // either way while the mouse stays captured until the release.
            m_pCurve->RemovePoint(m_nSel);
            m_nSel = -1;
            m_bDragging = 0;
        }
    } else {
        m_nSel = HitTest(p);
    }
    // Off the points the arrow comes back on every move, except while a point is dragged.
    if (m_nSel != -1)
        setCursor(m_hHandCursor);
    else if (!m_bDragging)
        setCursor(m_hArrowCursor);

    // The plot, the squares of points on its edges and the border.
    update(QRect(QPoint(plot.left - 2, plot.top - 4), QPoint(plot.right + 3, plot.bottom + 3)));
}

void CGraphDlg::OnLButtonUp(QPoint p)
{
    if (HasPlot() && IsInBand(p)) {
        m_nSel = HitTest(p);
        if (m_nSel != -1)
            setCursor(m_hHandCursor);
    }
    m_bDragging = 0;
}

CGraphDlg::Rect CGraphDlg::FitFrameToMargins()
{
    if (!m_pFrame)
        return Rect{0, 0, width(), height()};
    // The frame keeps its left and top; its right and bottom margins become its left one.
    const int left = m_pFrame->x();
    const int top = m_pFrame->y();
    const QSize fitted(std::max(0, width() - 2 * left), std::max(0, height() - top - left));
    if (m_pFrame->size() != fitted)
        m_pFrame->resize(fitted);
    return Rect{left, top, left + fitted.width(), top + fitted.height()};
}

void CGraphDlg::KeepFrameLookWhenDisabled()
{
    if (!m_pFrame)
        return;
    // A disabled editor paints as an enabled one, its frame included.
    QPalette framePalette = palette();
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colorRole = static_cast<QPalette::ColorRole>(role);
        framePalette.setColor(QPalette::Disabled, colorRole,
                              framePalette.color(QPalette::Active, colorRole));
    }
    m_pFrame->setPalette(framePalette);
}

bool CGraphDlg::HasPlot() const
{
    return m_rcPlot.right > m_rcPlot.left && m_rcPlot.bottom > m_rcPlot.top;
}

bool CGraphDlg::IsInBand(QPoint p) const
{
    const Rect& plot = m_rcPlot;
    return p.x() >= plot.left && p.x() < plot.right + kBandWidening &&
           p.y() >= plot.top - kBandWidening && p.y() < plot.bottom + kBandWidening;
}

QPoint CGraphDlg::PointPixel(int i) const
{
    CurvePoint point{0.0, 0.0};
    m_pCurve->GetPoint(i, &point);
    const Rect& plot = m_rcPlot;
    return QPoint(plot.left + TruncToPixel((plot.right - plot.left) * point.x),
                  plot.bottom - TruncToPixel((plot.bottom - plot.top) * point.y));
}

QPoint CGraphDlg::HoveredPointPixel(int i) const
{
    CurvePoint point{0.0, 0.0};
    m_pCurve->GetPoint(i, &point);
    const Rect& plot = m_rcPlot;
    return QPoint(TruncToPixel(plot.left + (plot.right - plot.left) * point.x),
                  TruncToPixel(plot.bottom - (plot.bottom - plot.top) * point.y));
}

void CGraphDlg::ShowReadout(const QString& text)
{
    if (m_pReadout)
        m_pReadout->setText(text);
}

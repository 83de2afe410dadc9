#include "ui/graph/CGraphDlg.h"

#include "engine/CBeatCurve.h"
#include "res/DialogTemplate.h"

#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

// An editor 240 x 135 pixels: step 14, plot {8, 8, 219, 120}, so W = 211 and H = 112.
constexpr int kWidth = 240;
constexpr int kHeight = 135;
constexpr int kLeft = 8, kTop = 8, kRight = 219, kBottom = 120;
constexpr int kW = kRight - kLeft, kH = kBottom - kTop;

constexpr QRgb kGrey = qRgb(195, 201, 205);
constexpr QRgb kPlotFill = qRgb(94, 110, 129);
constexpr QRgb kGridLine = qRgb(132, 157, 180);
constexpr QRgb kBorder = qRgb(170, 140, 30);
constexpr QRgb kCurveLine = qRgb(255, 204, 0);
constexpr QRgb kPointSquare = qRgb(255, 230, 145);

std::string Rgb(QRgb c)
{
    return std::to_string(qRed(c)) + "," + std::to_string(qGreen(c)) + "," +
           std::to_string(qBlue(c));
}

std::vector<CurvePoint> PointsOf(const CBeatCurve& curve)
{
    std::vector<CurvePoint> points(static_cast<size_t>(curve.GetCount()));
    for (int i = 0; i < curve.GetCount(); ++i)
        curve.GetPoint(i, &points[static_cast<size_t>(i)]);
    return points;
}

bool SamePoints(const std::vector<CurvePoint>& a, const std::vector<CurvePoint>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    }
    return true;
}

// The editor as the main window holds it: a child placed inside a host window.
class GraphEditorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        editor = new CGraphDlg(&host);
        editor->m_pCurve = &curve;
        editor->m_dMaxBeat = 30.0;
        editor->m_pReadout = &readout;
        editor->setGeometry(10, 30, kWidth, kHeight);
        host.resize(kWidth + 20, kHeight + 120);
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
        Paint();
    }

    QImage Paint() { return editor->grab().toImage(); }

    // Flat at 0.5 with inner points at x 0.3 and 0.6: pixels (8,64) (71,64) (134,64) (219,64).
    void UseFourPointCurve()
    {
        curve.SetConstant(0.5);
        const CurvePoint a{0.3, 0.5};
        const CurvePoint b{0.6, 0.5};
        curve.InsertPoint(&a);
        curve.InsertPoint(&b);
    }

    QPoint PixelOf(int i) const
    {
        CurvePoint p{};
        curve.GetPoint(i, &p);
        return QPoint(kLeft + static_cast<int>(kW * p.x), kBottom - static_cast<int>(kH * p.y));
    }

    CurvePoint PointAt(int i) const
    {
        CurvePoint p{-1.0, -1.0};
        curve.GetPoint(i, &p);
        return p;
    }

    void Press(QPoint at) { QTest::mousePress(editor, Qt::LeftButton, {}, at); }
    void MoveTo(QPoint at) { QTest::mouseMove(editor, at); }
    void Release(QPoint at) { QTest::mouseRelease(editor, Qt::LeftButton, {}, at); }
    void Click(QPoint at)
    {
        Press(at);
        Release(at);
    }

    CBeatCurve curve;
    QLabel readout;
    QWidget host;
    CGraphDlg* editor = nullptr;
};

TEST_F(GraphEditorTest, DrawingOf135PixelsGivesStep14AndTheColoursOfEachPart)
{
    curve.SetConstant(0.6); // row 120 - trunc(112 * 0.6) = 53
    const QImage image = Paint();

    EXPECT_EQ(editor->m_rcPlot.left, kLeft);
    EXPECT_EQ(editor->m_rcPlot.top, kTop);
    EXPECT_EQ(editor->m_rcPlot.right, kRight);
    EXPECT_EQ(editor->m_rcPlot.bottom, kBottom);

    struct Probe
    {
        int x, y;
        QRgb colour;
        const char* what;
    };
    const Probe probes[] = {
        {100, 15, kPlotFill, "between grid lines"},
        {9, 9, kPlotFill, "first pixel inside the border"},
        {218, 119, kPlotFill, "last pixel inside the border"},
        {100, 22, kGridLine, "second grid line"},
        {9, 106, kGridLine, "grid line next to the left border"},
        {218, 22, kGridLine, "grid line next to the right border"},
        {100, 8, kBorder, "top border"},
        {100, 120, kBorder, "bottom border"},
        {8, 100, kBorder, "left border"},
        {219, 100, kBorder, "right border"},
        {219, 120, kBorder, "bottom-right corner"},
        {8, 120, kBorder, "bottom-left corner"},
        {220, 22, kBorder, "tick"},
        {221, 22, kBorder, "tick end"},
        {222, 22, kGrey, "past the tick"},
        {220, 21, kGrey, "beside the tick"},
        {7, 100, kGrey, "left of the plot"},
        {100, 121, kGrey, "below the plot"},
        {100, 7, kGrey, "above the plot"},
        {100, 53, kCurveLine, "curve"},
        {11, 53, kCurveLine, "curve next to the start square"},
        {6, 51, kPointSquare, "start square, top-left"},
        {10, 55, kPointSquare, "start square, bottom-right"},
        {5, 53, kGrey, "left of the start square"},
        {221, 55, kPointSquare, "end square beyond the plot"},
        {222, 53, kGrey, "right of the end square"},
    };
    for (const Probe& probe : probes) {
        EXPECT_EQ(Rgb(image.pixel(probe.x, probe.y)), Rgb(probe.colour))
            << probe.what << " at " << probe.x << "," << probe.y;
    }
}

TEST_F(GraphEditorTest, LabelsReadThirtyDownToZeroCentredOnTheirLines)
{
    const QImage image = Paint();
    const QFont font = editor->CreateLabelFont();
    const QFontMetrics metrics(font);
    const int labels[] = {30, 26, 23, 19, 15, 11, 8, 4, 0};
    for (int k = 0; k < 9; ++k) {
        const QString text = QString::number(labels[k]);
        const int lineY = kTop + 14 * k;
        QImage expected(metrics.horizontalAdvance(text), metrics.height(), QImage::Format_RGB32);
        expected.fill(kGrey);
        QPainter painter(&expected);
        painter.setFont(font);
        painter.setPen(Qt::black);
        painter.drawText(0, metrics.ascent(), text);
        painter.end();

        const QRect box(kRight + 5, lineY - metrics.height() / 2, expected.width(),
                        expected.height());
        EXPECT_EQ(image.copy(box).convertToFormat(QImage::Format_RGB32), expected)
            << "label " << labels[k] << " on line " << lineY;
    }
}

TEST_F(GraphEditorTest, ClickInTheBandAddsAnUnclampedPointThere)
{
    struct Case
    {
        const char* what;
        QPoint at;
        int index; // where the point lands; -1 for no point
    };
    const Case cases[] = {
        {"empty plot area", {100, 40}, 1},
        {"one pixel right of the plot", {kRight + 1, 40}, 2},
        {"on the right edge column", {kRight, 40}, 2},
        {"band below the plot", {100, kBottom + 1}, 1},
        {"band above the plot", {100, kTop - 2}, 1},
        {"left of the plot", {kLeft - 1, 40}, -1},
        {"below the band", {100, kBottom + 2}, -1},
    };
    for (const Case& c : cases) {
        curve.Reset();
        Click(c.at);
        if (c.index == -1) {
            EXPECT_EQ(curve.GetCount(), 2) << c.what;
            continue;
        }
        ASSERT_EQ(curve.GetCount(), 3) << c.what;
        const CurvePoint added = PointAt(c.index);
        EXPECT_DOUBLE_EQ(added.x, static_cast<double>(c.at.x() - kLeft) / kW) << c.what;
        EXPECT_DOUBLE_EQ(added.y, static_cast<double>(kBottom - c.at.y()) / kH) << c.what;
        EXPECT_EQ(editor->m_bDragging, 0) << c.what;
    }
    curve.Reset();
    Click({kRight + 1, 40});
    EXPECT_GT(PointAt(2).x, 1.0) << "a click right of the plot makes a new end point";
}

TEST_F(GraphEditorTest, DraggedPointStaysBetweenItsNeighboursAndInsideThePlot)
{
    struct Case
    {
        const char* what;
        int index;
        QPoint to;
        double x, y;
    };
    const Case cases[] = {
        {"inner point past its right neighbour", 1, {200, 40}, 0.6, 1.0 - 32.0 / kH},
        {"inner point past its left neighbour", 2, {20, 100}, 0.3, 1.0 - 92.0 / kH},
        {"end point moves only vertically", 3, {150, 30}, 1.0, 1.0 - 22.0 / kH},
        {"start point moves only vertically", 0, {60, 100}, 0.0, 1.0 - 92.0 / kH},
        {"inner point just above the plot", 1, {60, 4}, 52.0 / kW, 1.0},
    };
    for (const Case& c : cases) {
        UseFourPointCurve();
        const QPoint from = PixelOf(c.index);
        Press(from);
        EXPECT_EQ(editor->m_nSel, c.index) << c.what;
        EXPECT_EQ(editor->m_bDragging, 1) << c.what;
        EXPECT_EQ(editor->cursor().shape(), Qt::BitmapCursor) << c.what << ": hand while dragging";
        MoveTo((from + c.to) / 2);
        MoveTo(c.to);
        Release(c.to);
        EXPECT_EQ(editor->m_bDragging, 0) << c.what;
        ASSERT_EQ(curve.GetCount(), 4) << c.what;
        EXPECT_DOUBLE_EQ(PointAt(c.index).x, c.x) << c.what;
        EXPECT_DOUBLE_EQ(PointAt(c.index).y, c.y) << c.what;
    }
}

TEST_F(GraphEditorTest, DraggingATenthOfThePlotAwayRemovesInnerPointsAndPinsEndPoints)
{
    struct Case
    {
        const char* what;
        int index;
        QPoint to;
        bool removed;
        int dragging; // after the move
        double y;     // of a point that stays
    };
    // The limit lies 11.2 pixels beyond the plot: rows 132 and -4 are past it.
    const Case cases[] = {
        {"inner point within the limit below", 1, {71, 131}, false, 1, 0.0},
        {"inner point past the limit below", 1, {71, 132}, true, 0, 0.0},
        {"inner point within the limit above", 2, {134, -3}, false, 1, 1.0},
        {"inner point past the limit above", 2, {134, -4}, true, 0, 0.0},
        {"start point far below", 0, {8, 200}, false, 0, 0.0},
        {"end point far above", 3, {219, -25}, false, 0, 1.0},
    };
    for (const Case& c : cases) {
        UseFourPointCurve();
        Press(PixelOf(c.index));
        MoveTo(c.to);
        EXPECT_EQ(curve.GetCount(), c.removed ? 3 : 4) << c.what;
        EXPECT_EQ(editor->m_bDragging, c.dragging) << c.what;
        if (!c.removed) {
            EXPECT_DOUBLE_EQ(PointAt(c.index).y, c.y) << c.what;
        }
        if (c.dragging == 0) {
            EXPECT_EQ(editor->m_nSel, -1) << c.what;
            EXPECT_EQ(editor->cursor().shape(), Qt::ArrowCursor) << c.what;
            const std::vector<CurvePoint> before = PointsOf(curve);
            MoveTo({100, 40});
            EXPECT_TRUE(SamePoints(PointsOf(curve), before)) << c.what << ": the drag has ended";
        }
        Release({100, 40});
    }
}

TEST_F(GraphEditorTest, PointsWithinTwoPixelsArePickedByTheLowerIndex)
{
    curve.SetConstant(0.5);
    const CurvePoint a{0.5, 0.5};            // pixel (113, 64)
    const CurvePoint b{0.5 + 1.0 / kW, 0.5}; // pixel (114, 64)
    curve.InsertPoint(&a);
    curve.InsertPoint(&b);
    EXPECT_EQ(editor->HitTest({114, 64}), 1);
    EXPECT_EQ(editor->HitTest({115, 66}), 1);
    EXPECT_EQ(editor->HitTest({116, 64}), 2);
    EXPECT_EQ(editor->HitTest({117, 64}), -1);

    Press({114, 64});
    MoveTo({114, 40});
    Release({114, 40});
    EXPECT_DOUBLE_EQ(PointAt(1).y, 1.0 - 32.0 / kH);
    EXPECT_DOUBLE_EQ(PointAt(2).y, 0.5);
}

TEST_F(GraphEditorTest, ReadoutFollowsTheMouseOverTheBandAndClearsOutsideIt)
{
    UseFourPointCurve();
    struct Case
    {
        const char* what;
        QPoint at;
        const char* text;
        Qt::CursorShape cursor;
    };
    const Case cases[] = {
        {"two pixels off a point shows the point's value", {136, 66}, "15.0 Hz", Qt::BitmapCursor},
        {"empty plot area", {100, 36}, "22.5 Hz", Qt::ArrowCursor},
        {"band above the plot", {100, kTop - 2}, "30.5 Hz", Qt::ArrowCursor},
        {"band right of the plot", {kRight + 1, 36}, "22.5 Hz", Qt::ArrowCursor},
        {"right of the band", {kRight + 2, 36}, "", Qt::ArrowCursor},
        {"below the band", {100, kBottom + 2}, "", Qt::ArrowCursor},
        {"left of the plot", {kLeft - 1, 36}, "", Qt::ArrowCursor},
    };
    for (const Case& c : cases) {
        MoveTo({150, 92});
        ASSERT_EQ(readout.text().toStdString(), "7.5 Hz");
        MoveTo(c.at);
        EXPECT_EQ(readout.text().toStdString(), c.text) << c.what;
        EXPECT_EQ(editor->cursor().shape(), c.cursor) << c.what;
    }
}

TEST_F(GraphEditorTest, DisabledEditorIgnoresTheMouseAndPaintsAsEnabled)
{
    UseFourPointCurve();
    const QImage enabled = Paint();
    editor->setEnabled(false);
    EXPECT_TRUE(Paint() == enabled);

    readout.setText("4 Hz");
    const std::vector<CurvePoint> before = PointsOf(curve);
    MoveTo({136, 66});
    Click({100, 36});
    Press(PixelOf(1));
    MoveTo({100, 30});
    Release({100, 30});
    EXPECT_TRUE(SamePoints(PointsOf(curve), before));
    EXPECT_EQ(readout.text().toStdString(), "4 Hz");
    EXPECT_EQ(editor->m_bDragging, 0);
}

TEST_F(GraphEditorTest, SetFlatLevelMakesTheCurveFlatAndRepaintsIt)
{
    UseFourPointCurve();
    editor->SetFlatLevel(0.6);
    ASSERT_EQ(curve.GetCount(), 2);
    EXPECT_DOUBLE_EQ(PointAt(0).y, 0.6);
    EXPECT_DOUBLE_EQ(PointAt(1).y, 0.6);
    const QImage image = Paint();
    EXPECT_EQ(Rgb(image.pixel(134, 53)), Rgb(kCurveLine));
    EXPECT_EQ(Rgb(image.pixel(134, 64)), Rgb(kGridLine));
}

TEST_F(GraphEditorTest, DrawingRectangleBelow24PixelsShowsGreyOnlyAndTakesNoInput)
{
    struct Case
    {
        int height;
        bool plot;
    };
    for (const Case c : {Case{23, false}, Case{24, true}}) {
        curve.Reset();
        editor->resize(kWidth, c.height);
        const QImage image = Paint();
        if (c.plot) {
            EXPECT_EQ(editor->m_rcPlot.bottom, kTop + 8) << "step 1";
        } else {
            bool allGrey = true;
            for (int y = 2; y < c.height - 2; ++y) {
                for (int x = 2; x < kWidth - 2; ++x)
                    allGrey = allGrey && image.pixel(x, y) == kGrey;
            }
            EXPECT_TRUE(allGrey);
        }
        Click({100, 11});
        EXPECT_EQ(curve.GetCount(), c.plot ? 3 : 2) << "height " << c.height;
    }
}

// Sent straight to the widget: Qt Test's mouse functions need a shown, hence painted, window.
TEST(GraphEditorInput, MouseBeforeTheFirstPaintIsIgnored)
{
    CBeatCurve curve;
    QWidget host;
    auto* editor = new CGraphDlg(&host);
    editor->m_pCurve = &curve;
    QLabel readout("4 Hz");
    editor->m_pReadout = &readout;
    auto send = [&](QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
        QMouseEvent event(type, at, editor->mapToGlobal(at), Qt::LeftButton, buttons,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(editor, &event);
    };
    for (const QPointF at : {QPointF(0, 0), QPointF(1, 1), QPointF(100, 40)}) {
        send(QEvent::MouseButtonPress, at, Qt::LeftButton);
        EXPECT_EQ(editor->m_bDragging, 0);
        send(QEvent::MouseMove, at + QPointF(0, -1), Qt::LeftButton);
        send(QEvent::MouseButtonRelease, at + QPointF(0, -1), Qt::NoButton);
    }
    ASSERT_EQ(curve.GetCount(), 2);
    CurvePoint start{};
    curve.GetPoint(0, &start);
    EXPECT_EQ(start.y, 0.0);
    EXPECT_EQ(readout.text().toStdString(), "4 Hz");
}

TEST(GraphEditorWindow, MinimumTrackingSizeAppliesOnlyToATopLevelEditor)
{
    CGraphDlg topLevel;
    EXPECT_EQ(topLevel.minimumSize(), QSize(430, 300));

    QWidget host;
    topLevel.setParent(&host);
    EXPECT_EQ(topLevel.minimumSize(), QSize(0, 0));
    topLevel.setParent(nullptr);

    CGraphDlg child(&host);
    child.resize(249, 135);
    EXPECT_EQ(child.size(), QSize(249, 135));
}

TEST(GraphEditorWindow, FaceColourFollowsThePalette)
{
    QWidget host;
    CGraphDlg editor(&host);
    const QColor face = editor.palette().color(QPalette::Button);
    EXPECT_EQ(editor.m_clrFace, CColorRGB(static_cast<std::uint8_t>(face.red()),
                                          static_cast<std::uint8_t>(face.green()),
                                          static_cast<std::uint8_t>(face.blue())));
    QPalette palette = host.palette();
    palette.setColor(QPalette::Button, QColor(10, 20, 30));
    host.setPalette(palette);
    EXPECT_EQ(editor.m_clrFace, CColorRGB(10, 20, 30));
}

// The main window's placeholder, 166 x 83 dialog units, holding the default curve. Set
// VELMIRA_GRAPH_SHOT to a file name to keep the picture.
TEST(GraphEditorWindow, PlaceholderSizeShowsTheDefaultCurve)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    QWidget host;
    const QRect placeholder = DialogUnitsToPixels(29, 189, 166, 83);
    host.resize(placeholder.right() + 20, placeholder.bottom() + 20);
    auto* editor = new CGraphDlg(&host);
    editor->m_pCurve = &curve;
    editor->m_dMaxBeat = 30.0;
    editor->setGeometry(placeholder);
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    const QImage image = editor->grab().toImage();

    ASSERT_EQ(image.size(), QSize(249, 135));
    EXPECT_EQ(editor->m_rcPlot.right, 228);
    EXPECT_EQ(editor->m_rcPlot.bottom, 120);
    // 20 Hz at the start, 4 Hz from a tenth to nine tenths, 16 Hz at the end.
    for (const QPoint square : {QPoint(8, 46), QPoint(30, 106), QPoint(206, 106), QPoint(228, 61)})
        EXPECT_EQ(Rgb(image.pixel(square)), Rgb(kPointSquare)) << square.x() << "," << square.y();
    EXPECT_EQ(Rgb(image.pixel(100, 106)), Rgb(kCurveLine));

    const QByteArray shot = qgetenv("VELMIRA_GRAPH_SHOT");
    if (!shot.isEmpty()) {
        EXPECT_TRUE(image.save(QString::fromLocal8Bit(shot)));
    }
}

} // namespace

#pragma once

#include "ui/graph/CColorRGB.h"

#include <QCursor>
#include <QFont>
#include <QWidget>

class CBeatCurve;
class QFrame;
class QLabel;
class QPainter;

// The curve editor: draws the beat curve over a grid labelled 0..30 Hz and lets the user add
// points with a click, drag them, and drag inner points off the plot to remove them. Built
// from dialog template 131 as a child of the main window, which sets m_pCurve, m_dMaxBeat and
// m_pReadout. Disabled, it takes no input but paints as usual.
class CGraphDlg : public QWidget
{
    Q_OBJECT

public:
    // Edges in client pixels, right and bottom being the first column and row past an area.
    struct Rect
    {
        int left = 0;
        int top = 0;
        int right = 0;
        int bottom = 0;
    };

    explicit CGraphDlg(QWidget* parent = nullptr);

    // Makes the curve a flat line at y (a fraction of the top value) and repaints.
    void SetFlatLevel(double y);
    void UpdateFaceColor();

    // Index of the first point whose pixel lies within 2 pixels of p on both axes, or -1.
    int HitTest(QPoint p) const;
    // The labels' font: "Verdana" (or the nearest font) with a cell of 8 points.
    QFont CreateLabelFont() const;

    CBeatCurve* m_pCurve = nullptr; // not owned
    double m_dMaxBeat = 0.0;        // Hz at the top of the plot, for the readout
    QLabel* m_pReadout = nullptr;   // not owned
    Rect m_rcPlot;                  // from the last paint; all zero until a plot was painted
    QCursor m_hHandCursor;
    QCursor m_hArrowCursor;
    int m_bDragging = 0; // 1 while a point follows the mouse (the mouse is captured)
    int m_nSel = -1;     // point under the mouse or being dragged, -1 for none
    CColorRGB m_clrFace; // copy of the button face colour

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

    void OnPaint();
    void OnLButtonDown(QPoint p);
    void OnMouseMove(QPoint p);
    void OnLButtonUp(QPoint p);
    void OnSize();
    void OnSysColorChange();
    void OnGetMinMaxInfo();

    void DrawGrid(QPainter& dc, const Rect& r);
    void DrawCurve(QPainter& dc) const;

private:
    void CreateFromTemplate();
    void OnInitDialog();
    Rect FitFrameToMargins();
    void KeepFrameLookWhenDisabled();
    bool HasPlot() const;
    bool IsInBand(QPoint p) const;
    QPoint PointPixel(int i) const;
    QPoint HoveredPointPixel(int i) const;
    void ShowReadout(const QString& text);

    QFrame* m_pFrame = nullptr; // control 1130: the sunken frame over the edge of the drawing
};

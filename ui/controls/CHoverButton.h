#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <QRect>
#include <QString>

class QPainter;

// A push button whose whole face is one cell of a strip picture: normal, pressed and hover
// cells side by side. It shows the hover cell while the pointer rests on it, carries its
// own tool tip, and takes a double-click as a second press. Clicks reach the owner through
// clicked(); the button itself acts on nothing.
class CHoverButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit CHoverButton(QWidget* parent = nullptr);

    // Loads strip picture id and resizes the button to one cell without moving it. False
    // when the picture does not exist; the button then draws nothing.
    bool LoadStrip(int id);

    // Sets the tool tip's text (UTF-8) and switches it on or off. A null text changes
    // nothing. The tip's area is the button's rectangle when the first text is set.
    void SetTip(const char* text, bool activate);
    void EnsureTip();

    QString TipText() const { return m_strTip; }
    bool IsTipActive() const { return m_bTipActive; }
    QRect TipArea() const { return m_rcTip; }
    bool IsHovering() const { return m_bHovering; }

    QSize sizeHint() const override;

protected:
    void DrawItem(QPainter& painter);
    bool PreTranslateMessage(QEvent* event);
    void OnMouseMove();
    void OnMouseHover();
    void OnMouseLeave();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool ShowTip(const QPoint& at, const QPoint& globalAt);

    bool m_bHovering = false;
    int m_cxCell = 0;
    int m_cyCell = 0;
    QPixmap m_bmpStrip;
    bool m_bTrackingMouse = false;
    // The tool tip: created on first need, inactive until SetTip activates it; its one tool
    // is added with the first text and keeps its area from then on.
    bool m_bTipCreated = false;
    bool m_bTipActive = false;
    bool m_bTipHasTool = false;
    QRect m_rcTip;
    QString m_strTip;
};

#include "ui/controls/CHoverButton.h"

#include "res/Resources.h"

#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

CHoverButton::CHoverButton(QWidget* parent) : QAbstractButton(parent)
{
    // The face covers the whole button, so nothing is erased before it is drawn; mouse moves
    // without a button held are wanted for the hover cell.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setMouseTracking(true);
}

bool CHoverButton::LoadStrip(int id)
{
    m_bHovering = false;
    m_bmpStrip = res::LoadBitmap(id);
    m_cxCell = m_bmpStrip.width() / 3;
    m_cyCell = m_bmpStrip.height();
    if (m_bmpStrip.isNull()) {
        update();
        return false;
    }
    resize(m_cxCell, m_cyCell);
    raise();
    update();
    return true;
}

void CHoverButton::EnsureTip()
{
    if (m_bTipCreated)
        return;
    m_bTipCreated = true;
    m_bTipActive = false;
}

void CHoverButton::SetTip(const char* text, bool activate)
{
    if (text == nullptr)
        return;
    EnsureTip();
    if (!m_bTipHasTool) {
        m_bTipHasTool = true;
        m_rcTip = rect();
    }
    m_strTip = QString::fromUtf8(text);
    m_bTipActive = activate;
    setToolTip(m_bTipActive ? m_strTip : QString());
}

QSize CHoverButton::sizeHint() const
{
    return QSize(m_cxCell, m_cyCell);
}

void CHoverButton::DrawItem(QPainter& painter)
{
    if (m_bmpStrip.isNull())
        return;
    // Pressed wins over hover, hover over normal. A disabled button looks normal.
    int sourceX = 0;
    if (isDown())
        sourceX = m_cxCell;
    else if (m_bHovering)
        sourceX = 2 * m_cxCell;
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawPixmap(QPoint(0, 0), m_bmpStrip, QRect(sourceX, 0, m_cxCell, m_cyCell));
}

bool CHoverButton::PreTranslateMessage(QEvent* event)
{
    EnsureTip();
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!ShowTip(help->pos(), help->globalPos()))
            event->ignore();
        return true;
    }
    return false;
}

bool CHoverButton::ShowTip(const QPoint& at, const QPoint& globalAt)
{
    if (!m_bTipActive || !m_bTipHasTool || !m_rcTip.contains(at)) {
        QToolTip::hideText();
        return false;
    }
    QToolTip::showText(globalAt, m_strTip, this, m_rcTip);
    return true;
}

void CHoverButton::OnMouseMove()
{
    if (m_bTrackingMouse)
        return;
    // The request for hover and leave notices; its one hover notice comes at once, the
    // pointer being on the button. No new request is made before the pointer leaves.
    m_bTrackingMouse = true;
    OnMouseHover();
}

void CHoverButton::OnMouseHover()
{
    m_bHovering = true;
    update();
}

void CHoverButton::OnMouseLeave()
{
    m_bTrackingMouse = false;
    m_bHovering = false;
    update();
}

bool CHoverButton::event(QEvent* event)
{
    if (PreTranslateMessage(event))
        return true;
    return QAbstractButton::event(event);
}

void CHoverButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DrawItem(painter);
}

void CHoverButton::enterEvent(QEnterEvent* event)
{
    OnMouseMove();
    QAbstractButton::enterEvent(event);
}

void CHoverButton::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove();
    QAbstractButton::mouseMoveEvent(event);
}

void CHoverButton::leaveEvent(QEvent* event)
{
    OnMouseLeave();
    QAbstractButton::leaveEvent(event);
}

void CHoverButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click counts as a press of its own, so fast repeated
    // clicks all reach the owner.
    mousePressEvent(event);
}

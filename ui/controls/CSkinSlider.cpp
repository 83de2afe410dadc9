#include "ui/controls/CSkinSlider.h"

#include "res/Resources.h"
#include "ui/controls/DrawBitmap.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

CSkinSlider::CSkinSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    // No background fill: Qt paints the parent under the slider and the slider adds only its
    // two pictures on top.
    setAutoFillBackground(false);
}

void CSkinSlider::SetBitmaps(int channelId, int thumbId)
{
    m_bmpChannel = res::LoadBitmap(channelId);
    m_cxChannel = m_bmpChannel.width();
    m_cyChannel = m_bmpChannel.height();
    m_bmpThumb = res::LoadBitmap(thumbId);
    m_cxThumb = m_bmpThumb.width();
    m_cyThumb = m_bmpThumb.height();
}

bool CSkinSlider::HasBitmaps() const
{
    return !m_bmpChannel.isNull() && !m_bmpThumb.isNull();
}

QRect CSkinSlider::HandleRect() const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
}

QPoint CSkinSlider::ChannelOrigin() const
{
    const QRect client = rect();
    // Each half is an integer division of its own; the channel sits 2 pixels low.
    return QPoint(client.left() + client.width() / 2 - m_cxChannel / 2,
                  client.top() + client.height() / 2 - m_cyChannel / 2 + 2);
}

QPoint CSkinSlider::ThumbOrigin() const
{
    const QRect handle = HandleRect();
    return QPoint(handle.left() + handle.width() / 2 - m_cxThumb / 2,
                  handle.top() + handle.height() / 2 - m_cyThumb / 2);
}

void CSkinSlider::OnPaint()
{
    QPainter painter(this);
    DrawBitmap(painter, ChannelOrigin(), m_bmpChannel);
    DrawBitmap(painter, ThumbOrigin(), m_bmpThumb);
}

void CSkinSlider::OnMouseMove(QMouseEvent* event)
{
    update();
    QSlider::mouseMoveEvent(event);
}

void CSkinSlider::OnKeyDown(QKeyEvent* event)
{
    update();
    QSlider::keyPressEvent(event);
}

bool CSkinSlider::OnMouseWheel(QWheelEvent* event)
{
    update();
    QSlider::wheelEvent(event);
    return event->isAccepted();
}

void CSkinSlider::paintEvent(QPaintEvent* event)
{
    if (!HasBitmaps()) {
        QSlider::paintEvent(event);
        return;
    }
    OnPaint();
}

void CSkinSlider::mouseMoveEvent(QMouseEvent* event)
{
    OnMouseMove(event);
}

void CSkinSlider::keyPressEvent(QKeyEvent* event)
{
    OnKeyDown(event);
}

void CSkinSlider::wheelEvent(QWheelEvent* event)
{
    OnMouseWheel(event);
}

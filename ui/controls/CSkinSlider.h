#pragma once

#include <QPixmap>
#include <QSlider>

class QKeyEvent;
class QMouseEvent;
class QWheelEvent;

// A horizontal slider painted from two pictures: the channel, centred in the control two
// pixels below the middle, and the thumb, centred on the style's own handle rectangle.
// Range, position, dragging, keys, wheel and signals are QSlider's own. The slider never
// fills its background: the parent's picture shows around the two pictures.
class CSkinSlider : public QSlider
{
public:
    explicit CSkinSlider(QWidget* parent = nullptr);

    // Loads the channel and thumb pictures by id. Asks for no repaint: they show at the next
    // paint. Until both are loaded the slider paints as a plain QSlider.
    void SetBitmaps(int channelId, int thumbId);

    // Top-left corners of the two pictures for the slider's present size and position.
    QPoint ChannelOrigin() const;
    QPoint ThumbOrigin() const;

protected:
    void OnPaint();
    void OnMouseMove(QMouseEvent* event);
    void OnKeyDown(QKeyEvent* event);
    bool OnMouseWheel(QWheelEvent* event);

    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    bool HasBitmaps() const;
    QRect HandleRect() const;

    QPixmap m_bmpChannel;
    int m_cxChannel = 0;
    int m_cyChannel = 0;
    QPixmap m_bmpThumb;
    int m_cxThumb = 0;
    int m_cyThumb = 0;
};

#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <QtTest/QTest>
#include <gtest/gtest.h>

// A shown top-level window painted in one flat colour, so that anything a control paints,
// or leaves unpainted, can be told apart by its pixels.
class FlatParent : public QWidget
{
public:
    explicit FlatParent(QColor colour = QColor(255, 0, 255)) : m_colour(colour)
    {
        resize(300, 200);
        move(0, 0);
    }
    void ShowAndWait()
    {
        show();
        activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(this));
    }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), m_colour); }

private:
    QColor m_colour;
};

inline QImage Grab(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

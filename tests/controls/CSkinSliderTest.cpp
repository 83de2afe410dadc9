#include "ui/controls/CSkinSlider.h"
#include "ControlsTestSupport.h"
#include "res/Resources.h"

#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWheelEvent>

namespace {

// Opens the slider's own style option so a test can ask the style for the handle
// independently of the slider's painting, and counts paints.
class ProbeSlider : public CSkinSlider
{
public:
    using CSkinSlider::CSkinSlider;

    QRect StyleHandle() const
    {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        ++paints;
        CSkinSlider::paintEvent(event);
    }
};

QImage Picture(int id)
{
    return res::LoadBitmap(id).toImage().convertToFormat(QImage::Format_RGB32);
}

class SkinSliderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_slider = new ProbeSlider(&m_parent);
        m_slider->setGeometry(20, 40, 70, 23);
        m_slider->setRange(0, 100);
        m_slider->SetBitmaps(res::kBitmapChannel, res::kBitmapThumb);
        m_parent.ShowAndWait();
    }

    // Where the thumb picture must stand: centred on the style's handle, halves truncated.
    QPoint ExpectedThumb() const
    {
        const QRect h = m_slider->StyleHandle();
        return QPoint(h.left() + h.width() / 2 - 4, h.top() + h.height() / 2 - 8);
    }

    // The slider as the window shows it, with the parent painted under it.
    QImage Face() { return Grab(m_parent).copy(m_slider->geometry()); }

    bool ThumbAt(const QImage& face, QPoint at) const
    {
        return face.copy(QRect(at, m_thumb.size())) == m_thumb;
    }

    bool SettlePaint()
    {
        const int before = m_slider->paints;
        return QTest::qWaitFor([&] { return m_slider->paints > before; }, 1000);
    }

    FlatParent m_parent;
    ProbeSlider* m_slider = nullptr;
    const QImage m_channel = Picture(res::kBitmapChannel);
    const QImage m_thumb = Picture(res::kBitmapThumb);
    const QRgb m_ground = qRgb(255, 0, 255);
};

TEST_F(SkinSliderTest, PaintsOnlyTheChannelAtFourThreeAndTheThumb)
{
    m_slider->setValue(50);
    const QImage face = Face();
    const QRect channel(QPoint(4, 3), QSize(63, 20)); // 35 - 31, 11 - 10 + 2
    const QRect thumb(ExpectedThumb(), QSize(8, 16));
    EXPECT_TRUE(ThumbAt(face, thumb.topLeft()));
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x) {
            const QPoint p(x, y);
            if (thumb.contains(p))
                continue;
            const QRgb expected =
                channel.contains(p) ? m_channel.pixel(p - channel.topLeft()) : m_ground;
            ASSERT_EQ(face.pixel(p), expected) << "at " << x << "," << y;
        }
    }
}

TEST_F(SkinSliderTest, ThumbFollowsTheStylesHandleAtMinimumMiddleAndMaximum)
{
    int previousX = -1;
    for (int value : {0, 50, 100}) {
        m_slider->setValue(value);
        const QPoint at = ExpectedThumb();
        EXPECT_TRUE(ThumbAt(Face(), at)) << "value " << value;
        EXPECT_GT(at.x(), previousX) << "value " << value;
        previousX = at.x();
    }
}

TEST_F(SkinSliderTest, ArrowKeysMoveAndRepaint)
{
    m_slider->setValue(50);
    m_slider->setFocus();
    QSignalSpy changes(m_slider, &QSlider::valueChanged);
    QSignalSpy actions(m_slider, &QSlider::actionTriggered);
    const QPoint before = ExpectedThumb();

    QTest::keyClick(m_slider, Qt::Key_Right);
    EXPECT_EQ(m_slider->value(), 51);
    QTest::keyClick(m_slider, Qt::Key_Left);
    QTest::keyClick(m_slider, Qt::Key_Left);
    EXPECT_EQ(m_slider->value(), 49);
    EXPECT_EQ(changes.count(), 3);
    EXPECT_EQ(actions.count(), 3);

    QTest::keyClick(m_slider, Qt::Key_End);
    EXPECT_EQ(m_slider->value(), 100);
    EXPECT_TRUE(SettlePaint());
    EXPECT_NE(ExpectedThumb(), before);
    EXPECT_TRUE(ThumbAt(Face(), ExpectedThumb()));
}

TEST_F(SkinSliderTest, WheelMovesAndRepaints)
{
    m_slider->setValue(50);
    m_slider->setFocus();
    QSignalSpy changes(m_slider, &QSlider::valueChanged);
    const QPointF at(35, 11);
    QWheelEvent up(at, m_slider->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                   Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(m_slider, &up);
    EXPECT_TRUE(up.isAccepted());
    EXPECT_GT(m_slider->value(), 50);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_TRUE(SettlePaint());
    EXPECT_TRUE(ThumbAt(Face(), ExpectedThumb()));
}

TEST_F(SkinSliderTest, DraggingTheThumbMovesItAndSignalsTheOwner)
{
    m_slider->setValue(0);
    QSignalSpy moved(m_slider, &QSlider::sliderMoved);
    const QPoint grip = m_slider->StyleHandle().center();
    QTest::mousePress(m_slider, Qt::LeftButton, {}, grip);
    QTest::mouseMove(m_slider, grip + QPoint(30, 0));
    QTest::mouseRelease(m_slider, Qt::LeftButton, {}, grip + QPoint(30, 0));
    EXPECT_GT(m_slider->value(), 30);
    EXPECT_GE(moved.count(), 1);
    EXPECT_TRUE(ThumbAt(Face(), ExpectedThumb()));
}

TEST(SkinSliderUnskinned, PaintsAsAPlainSliderUntilItHasPictures)
{
    FlatParent parent;
    CSkinSlider slider(&parent);
    slider.setGeometry(0, 0, 70, 23);
    const QImage face = Grab(parent).copy(slider.geometry());
    int painted = 0;
    for (int y = 0; y < face.height(); ++y) {
        for (int x = 0; x < face.width(); ++x)
            painted += face.pixel(x, y) != qRgb(255, 0, 255);
    }
    EXPECT_GT(painted, 50) << "the style draws a groove and handle";
}

} // namespace

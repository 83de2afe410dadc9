#include "ui/controls/CHoverButton.h"
#include "ControlsTestSupport.h"
#include "res/ButtonLayout.h"
#include "res/Resources.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QToolTip>

namespace {

class HoverButtonTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_button = new CHoverButton(&m_parent);
        m_button->move(40, 30);
        ASSERT_TRUE(m_button->LoadStrip(res::kBitmapRestore));
        m_parent.ShowAndWait();
        const QImage strip =
            res::LoadBitmap(res::kBitmapRestore).toImage().convertToFormat(QImage::Format_RGB32);
        for (int i = 0; i < 3; ++i)
            m_cells[i] = strip.copy(i * 33, 0, 33, 32);
    }

    QImage Face() { return Grab(*m_button); }
    const QImage& Normal() const { return m_cells[0]; }
    const QImage& Pressed() const { return m_cells[1]; }
    const QImage& Hover() const { return m_cells[2]; }

    void Enter() { QTest::mouseMove(m_button, QPoint(16, 16)); }
    void Leave() { QTest::mouseMove(&m_parent, QPoint(250, 180)); }

    FlatParent m_parent;
    CHoverButton* m_button = nullptr;
    QImage m_cells[3];
};

TEST(HoverButtonStrip, ButtonTakesOneCellWhereverItStands)
{
    FlatParent parent;
    const QPoint places[] = {{0, 0}, {57, 113}, {250, 170}};
    for (const QPoint& at : places) {
        CHoverButton button(&parent);
        button.move(at);
        EXPECT_TRUE(button.LoadStrip(res::kBitmapRestore)); // 99x32
        EXPECT_EQ(button.geometry(), QRect(at, QSize(33, 32)));
    }
    for (const ButtonPlacement& placement : MainWindowButtons()) {
        CHoverButton button(&parent);
        button.move(placement.rect.topLeft());
        button.LoadStrip(placement.strip);
        EXPECT_EQ(button.geometry(), placement.rect) << placement.command;
    }
}

TEST(HoverButtonStrip, UnknownStripIsRefusedAndLeavesTheSizeAlone)
{
    FlatParent parent;
    CHoverButton button(&parent);
    button.setGeometry(5, 5, 20, 10);
    EXPECT_FALSE(button.LoadStrip(133));
    EXPECT_EQ(button.size(), QSize(20, 10));
    EXPECT_EQ(button.sizeHint(), QSize(0, 0));
}

TEST_F(HoverButtonTest, ShowsNormalThenHoverThenNormalAsThePointerComesAndGoes)
{
    EXPECT_EQ(Face(), Normal());
    Enter();
    EXPECT_TRUE(m_button->IsHovering());
    EXPECT_EQ(Face(), Hover());
    QTest::mouseMove(m_button, QPoint(20, 10));
    EXPECT_EQ(Face(), Hover());
    Leave();
    EXPECT_FALSE(m_button->IsHovering());
    EXPECT_EQ(Face(), Normal());
}

TEST_F(HoverButtonTest, PressedWinsOverHoverAndReleaseClicksOnceBackToHover)
{
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    Enter();
    QTest::mousePress(m_button, Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(Face(), Pressed());
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(m_button, Qt::LeftButton, {}, QPoint(16, 16));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(Face(), Hover());
}

TEST_F(HoverButtonTest, PressedShowsWithoutHoverAndDisabledLooksNormal)
{
    m_button->setDown(true);
    EXPECT_EQ(Face(), Pressed());
    m_button->setDown(false);
    m_button->setEnabled(false);
    EXPECT_EQ(Face(), Normal());
}

TEST_F(HoverButtonTest, DoubleClickGivesTwoClicks)
{
    QSignalSpy clicks(m_button, &QAbstractButton::clicked);
    QTest::mouseDClick(m_button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 2);

    // The same without a second press before the double-click, as some systems send it.
    clicks.clear();
    const QPointF at(10, 10);
    const QPointF global = m_button->mapToGlobal(at);
    auto send = [&](QEvent::Type type) {
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, global, Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(m_button, &event);
    };
    send(QEvent::MouseButtonPress);
    send(QEvent::MouseButtonRelease);
    send(QEvent::MouseButtonDblClick);
    send(QEvent::MouseButtonRelease);
    EXPECT_EQ(clicks.count(), 2);
}

TEST_F(HoverButtonTest, LoadStripWhileHoveringShowsNormalUntilThePointerLeavesAndReturns)
{
    Enter();
    ASSERT_EQ(Face(), Hover());
    m_button->LoadStrip(res::kBitmapRestore);
    EXPECT_EQ(Face(), Normal());
    QTest::mouseMove(m_button, QPoint(5, 5));
    QTest::mouseMove(m_button, QPoint(25, 20));
    EXPECT_EQ(Face(), Normal());
    Leave();
    Enter();
    EXPECT_EQ(Face(), Hover());
}

TEST_F(HoverButtonTest, SecondSetTipChangesOnlyTheText)
{
    m_button->SetTip(nullptr, true);
    EXPECT_EQ(m_button->TipText(), QString());
    EXPECT_FALSE(m_button->IsTipActive());

    m_button->SetTip("Restore all values", true);
    EXPECT_EQ(m_button->toolTip(), QStringLiteral("Restore all values"));
    EXPECT_EQ(m_button->TipArea(), QRect(0, 0, 33, 32));

    m_button->resize(60, 40);
    m_button->SetTip("Änother text", true);
    EXPECT_EQ(m_button->toolTip(), QStringLiteral("Änother text"));
    EXPECT_EQ(m_button->TipArea(), QRect(0, 0, 33, 32)) << "the tool keeps its first area";

    m_button->SetTip(nullptr, false);
    EXPECT_TRUE(m_button->IsTipActive());
}

TEST_F(HoverButtonTest, TipShowsOnlyWhenActiveAndInsideItsArea)
{
    auto tipShown = [&](QPoint at) {
        QHelpEvent help(QEvent::ToolTip, at, m_button->mapToGlobal(at));
        QApplication::sendEvent(m_button, &help);
        return help.isAccepted();
    };
    m_button->SetTip("Start a new mixing", false);
    EXPECT_FALSE(tipShown(QPoint(10, 10)));
    m_button->SetTip("Start a new mixing", true);
    EXPECT_TRUE(tipShown(QPoint(10, 10)));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("Start a new mixing"));
    m_button->resize(60, 40);
    EXPECT_FALSE(tipShown(QPoint(50, 35))) << "outside the tool's area";
    QToolTip::hideText();
}

} // namespace

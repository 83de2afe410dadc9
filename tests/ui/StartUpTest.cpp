#include "UiTestSupport.h"

#include "app/CMixerApp.h"
#include "engine/StringTable.h"
#include "ui/CMixerDlg.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

using uitest::MessageLog;
using uitest::Poller;

namespace {

TEST(StartUp, ScreenCheckShowsTheMessageOrRunsTheMainWindow)
{
    struct Case
    {
        ScreenSetting screen;
        bool starts;
    };
    const Case cases[] = {
        {{800, 600, 15}, true},  {{1024, 768, 32}, true}, {{799, 600, 32}, false},
        {{800, 599, 32}, false}, {{800, 600, 8}, false},  {{800, 600, 14}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.screen.width << "x" << c.screen.height << "x" << c.screen.bitsPerPixel);
        EXPECT_EQ(CMixerApp::MeetsMinimum(c.screen), c.starts);
        MessageLog messages;
        bool mainWindowRan = false;
        Poller closeMainWindow([&] {
            auto* main = qobject_cast<CMixerDlg*>(QApplication::activeModalWidget());
            if (main == nullptr)
                return false;
            mainWindowRan = true;
            main->close();
            return true;
        });
        CMixerApp app;
        app.InitInstance(c.screen);

        EXPECT_EQ(mainWindowRan, c.starts);
        if (c.starts) {
            EXPECT_TRUE(messages.shown.empty());
        } else {
            ASSERT_EQ(messages.shown.size(), 1u);
            EXPECT_EQ(messages.shown[0].kind, MessageKind::Error);
            EXPECT_EQ(messages.shown[0].text, QString::fromUtf8(LoadString(IDS_SCREEN_TOO_SMALL)));
        }
    }
    // The offscreen test screen itself is large enough.
    EXPECT_TRUE(CMixerApp::MeetsMinimum(CMixerApp::ReadScreen()));
}

TEST(StartUp, MessageBoxCarriesTheCaptionTheIconOfItsKindAndTheAnswer)
{
    struct Case
    {
        MessageKind kind;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton click;
        MessageAnswer answer;
    };
    const Case cases[] = {
        {MessageKind::Warning, QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok,
         MessageAnswer::Ok},
        {MessageKind::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::Yes, MessageAnswer::Yes},
        {MessageKind::Question, QMessageBox::Question, QMessageBox::Yes | QMessageBox::No,
         QMessageBox::No, MessageAnswer::No},
        {MessageKind::Error, QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok,
         MessageAnswer::Ok},
    };
    for (const Case& c : cases) {
        QString caption;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons buttons;
        Poller answer([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return false;
            caption = box->windowTitle();
            text = box->text();
            icon = box->icon();
            buttons = box->standardButtons();
            QTest::mouseClick(box->button(c.click), Qt::LeftButton);
            return true;
        });
        EXPECT_EQ(CMessageBox::Show(nullptr, "Line one\n\tLine two", c.kind), c.answer);
        EXPECT_EQ(caption, "Velmira");
        EXPECT_EQ(text, "Line one\n\tLine two");
        EXPECT_EQ(icon, c.icon);
        EXPECT_EQ(buttons, c.buttons);
    }
}

} // namespace

#include "UiTestSupport.h"

#include "engine/StringTable.h"
#include "ui/CMixerDlg.h"
#include "ui/CMixingDlg.h"

#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using uitest::FileAnswers;
using uitest::FindWindow;
using uitest::MessageLog;
using uitest::Poller;

namespace {

QString Str(int id)
{
    return QString::fromUtf8(LoadString(id));
}

uint32_t U32At(const fixture::Bytes& bytes, size_t at)
{
    return fixture::GetU32(bytes, at);
}

QPushButton* CancelButton(CMixingDlg* mixing)
{
    return mixing->findChild<QPushButton*>();
}

// The texts of statics 1023 to 1028 and the positions of bars 1006 and 1007.
QStringList Progress(CMixingDlg* mixing)
{
    QStringList shown;
    for (int id = 1023; id <= 1028; ++id)
        shown << mixing->findChild<QLabel*>(QString::number(id))->text();
    for (int id = 1006; id <= 1007; ++id)
        shown << QString::number(mixing->findChild<QProgressBar*>(QString::number(id))->value());
    return shown;
}

// A main window with two entries, a 4-second stereo file at 44100 Hz and a 3-second mono
// file at 22050 Hz, a fade of 1 second and an output file chosen.
class Mixing : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedDir = QDir::currentPath();
        first = dir.Write("first.wav", fixture::BuildPatternWav(44100 * 4));
        std::vector<int> mono;
        for (int k = 0; k < 22050 * 3; ++k)
            mono.push_back(static_cast<int16_t>(3000 * ((k / 50) % 7) - 9000 + k % 13));
        second = dir.Write("second.wav", fixture::BuildWav(1, 22050, 16, mono));
        output = dir.Path("mix.wav");

        dlg.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dlg));
        files.Push({QString::fromStdString(first), QString::fromStdString(second)});
        Click(CMixerDlg::ID_ADD);
        files.Push({QString::fromStdString(output)});
        Click(CMixerDlg::ID_OUTPUT);
        Key(1069, Qt::Key_Home);
        Key(1069, Qt::Key_Right);
        ASSERT_EQ(dlg.GetTotalSeconds(), 6);
    }
    void TearDown() override { QDir::setCurrent(m_savedDir); }

    void Click(int id) { QTest::mouseClick(dlg.GetDlgItem(id), Qt::LeftButton); }
    void Key(int id, Qt::Key key) { QTest::keyClick(dlg.GetDlgItem(id), key); }

    // What velmira-render writes for the same files and settings.
    fixture::Bytes Reference(const QStringList& options)
    {
        const std::string path = dir.Path("reference.wav");
        QStringList arguments = {"-q", "-o", QString::fromStdString(path)};
        arguments << options << QString::fromStdString(first) << QString::fromStdString(second);
        QProcess render;
        render.start(QStringLiteral(VELMIRA_RENDER), arguments);
        EXPECT_TRUE(render.waitForFinished(60000));
        EXPECT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
        return fixture::ReadBytes(path);
    }

    fixture::TempDir dir;
    std::string first;
    std::string second;
    std::string output;
    MessageLog messages;
    FileAnswers files;
    CMixerDlg dlg;

private:
    QString m_savedDir;
};

TEST_F(Mixing, OutputEqualsTheRendererSampleForSample)
{
    struct Case
    {
        const char* name;
        std::function<void()> settings;
        QStringList options;
    };
    const Case cases[] = {
        {"default curve", [] {}, {"--fade", "1"}},
        {"slider mode, harmonics, other levels",
         [this] {
             Key(1065, Qt::Key_End);
             Key(1075, Qt::Key_End);
             Key(1071, Qt::Key_Home);
             QTest::mouseClick(dlg.GetDlgItem(1035), Qt::LeftButton, {},
                               QPoint(dlg.GetDlgItem(1035)->width() - 6, 6));
             QTest::mouseClick(dlg.GetDlgItem(1036), Qt::LeftButton, {},
                               QPoint(dlg.GetDlgItem(1036)->width() - 6, 6));
             QTest::mouseClick(dlg.GetDlgItem(1010), Qt::LeftButton, {}, QPoint(6, 8));
             Key(1067, Qt::Key_Right);
             Key(1067, Qt::Key_Right);
             Key(1067, Qt::Key_Right);
         },
         {"--fade", "1", "--carrier", "200", "--min-volume", "100", "--dynamics", "0", "--medium",
          "--high", "--beat", "7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.settings();
        messages.shown.clear();
        bool hiddenAtCompletion = false;
        CMessageBox::SetAnswerer([&](const CMessageBox::Request& request) {
            messages.shown.push_back(request);
            hiddenAtCompletion = FindWindow<CMixingDlg>() == nullptr;
            return MessageAnswer::Ok;
        });
        Click(CMixerDlg::ID_START);

        ASSERT_EQ(messages.Texts(), std::vector<QString>({Str(IDS_MIX_COMPLETED)}));
        EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
        EXPECT_TRUE(hiddenAtCompletion);
        EXPECT_EQ(FindWindow<CMixingDlg>(), nullptr);
        const fixture::Bytes mix = fixture::ReadBytes(output);
        EXPECT_EQ(mix.size(), 44u + 4u * 44100u * 6u);
        EXPECT_TRUE(mix == Reference(c.options));
    }
}

TEST_F(Mixing, CancelAnsweredNoGoesOnWithoutLosingAFrame)
{
    QStringList progress;
    Poller cancel([&] {
        CMixingDlg* mixing = FindWindow<CMixingDlg>();
        if (mixing == nullptr || !mixing->IsRunning())
            return false;
        progress = Progress(mixing);
        QTest::mouseClick(CancelButton(mixing), Qt::LeftButton);
        return true;
    });
    Click(CMixerDlg::ID_START);

    ASSERT_TRUE(cancel.Done());
    // The first update of the run, at its first frame, within the first wall-clock second.
    EXPECT_EQ(progress, QStringList({"Completed 0%", "Current 0%", "Files 1 / 2", "first",
                                     "00:00:00", "---", "0", "0"}));
    ASSERT_EQ(messages.Texts(),
              std::vector<QString>({Str(IDS_CONFIRM_CANCEL), Str(IDS_MIX_COMPLETED)}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Question);
    EXPECT_TRUE(fixture::ReadBytes(output) == Reference({"--fade", "1"}));
}

TEST_F(Mixing, CancelAnsweredYesLeavesAValidShorterFile)
{
    messages.SetAnswer(MessageAnswer::Yes);
    Poller cancel([&] {
        CMixingDlg* mixing = FindWindow<CMixingDlg>();
        if (mixing == nullptr || !mixing->IsRunning())
            return false;
        QTest::mouseClick(CancelButton(mixing), Qt::LeftButton);
        return true;
    });
    Click(CMixerDlg::ID_START);

    ASSERT_TRUE(cancel.Done());
    EXPECT_EQ(messages.Texts(), std::vector<QString>({Str(IDS_CONFIRM_CANCEL)}));
    const fixture::Bytes mix = fixture::ReadBytes(output);
    ASSERT_GT(mix.size(), 44u);
    const uint32_t dataBytes = U32At(mix, 40);
    EXPECT_EQ(U32At(mix, 4), mix.size() - 8);
    EXPECT_EQ(dataBytes, mix.size() - 44);
    EXPECT_GT(dataBytes, 0u);
    EXPECT_LT(dataBytes, 4u * 44100u * 6u);
    EXPECT_EQ(dataBytes % 4, 0u);
    const fixture::Bytes reference = Reference({"--fade", "1"});
    EXPECT_TRUE(std::equal(mix.begin() + 44, mix.end(), reference.begin() + 44));
}

TEST_F(Mixing, CancelBeforeTheRunAndEnterDoNothing)
{
    bool beforeRun = false;
    bool duringRun = false;
    Poller early([&] {
        CMixingDlg* mixing = FindWindow<CMixingDlg>();
        if (mixing == nullptr)
            return false;
        beforeRun = !mixing->IsRunning();
        // The template's sample texts are blanked as the window opens.
        EXPECT_EQ(Progress(mixing), QStringList({"", "", "", "", "", "", "0", "0"}));
        QTest::keyClick(mixing, Qt::Key_Return);
        QTest::keyClick(mixing, Qt::Key_Escape);
        QTest::mouseClick(CancelButton(mixing), Qt::LeftButton);
        mixing->close();
        return true;
    });
    Poller during([&] {
        CMixingDlg* mixing = FindWindow<CMixingDlg>();
        if (mixing == nullptr || !mixing->IsRunning())
            return false;
        duringRun = true;
        QTest::keyClick(CancelButton(mixing), Qt::Key_Return);
        QTest::keyClick(mixing, Qt::Key_Enter);
        return true;
    });
    Click(CMixerDlg::ID_START);

    EXPECT_TRUE(beforeRun);
    EXPECT_TRUE(duringRun);
    EXPECT_EQ(messages.Texts(), std::vector<QString>({Str(IDS_MIX_COMPLETED)}));
    EXPECT_TRUE(fixture::ReadBytes(output) == Reference({"--fade", "1"}));
}

TEST_F(Mixing, AFailureIsReportedOverTheVisibleWindow)
{
    std::filesystem::remove(second);
    bool visibleAtMessage = false;
    CMessageBox::SetAnswerer([&](const CMessageBox::Request& request) {
        messages.shown.push_back(request);
        visibleAtMessage = FindWindow<CMixingDlg>() != nullptr;
        return MessageAnswer::Ok;
    });
    Click(CMixerDlg::ID_START);

    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.startsWith(Str(IDS_CANNOT_OPEN_INPUT)));
    EXPECT_TRUE(messages.shown[0].text.endsWith("second"));
    EXPECT_TRUE(visibleAtMessage);
    EXPECT_EQ(FindWindow<CMixingDlg>(), nullptr);
}

} // namespace

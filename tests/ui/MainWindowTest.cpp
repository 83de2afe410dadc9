#include "UiTestSupport.h"

#include "engine/CBeatCurve.h"
#include "engine/StringTable.h"
#include "res/ButtonLayout.h"
#include "ui/CMixerDlg.h"
#include "ui/CMixingDlg.h"
#include "ui/InstallPath.h"
#include "ui/controls/CHoverButton.h"
#include "ui/graph/CGraphDlg.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

using uitest::FileAnswers;
using uitest::MessageLog;
using uitest::Poller;

namespace {

QString Str(int id)
{
    return QString::fromUtf8(LoadString(id));
}

class MainWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_savedDir = QDir::currentPath();
        QDir::setCurrent(QString::fromStdString(dir.Root().string()));
        dlg.show();
        dlg.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    }
    void TearDown() override { QDir::setCurrent(m_savedDir); }

    QString Text(int id) const { return qobject_cast<QLabel*>(dlg.GetDlgItem(id))->text(); }
    QSlider* Slider(int id) const { return qobject_cast<QSlider*>(dlg.GetDlgItem(id)); }
    QListWidget* List() const { return qobject_cast<QListWidget*>(dlg.GetDlgItem(1019)); }
    void Click(int id) { QTest::mouseClick(dlg.GetDlgItem(id), Qt::LeftButton); }
    // Check boxes carry their box at the right, radio buttons at the left.
    void ClickBox(int id)
    {
        QWidget* box = dlg.GetDlgItem(id);
        const bool right = box->layoutDirection() == Qt::RightToLeft;
        QTest::mouseClick(box, Qt::LeftButton, {},
                          QPoint(right ? box->width() - 6 : 6, box->height() / 2));
    }
    void Key(int id, Qt::Key key) { QTest::keyClick(dlg.GetDlgItem(id), key); }

    QString WriteWav(const std::string& name, int frames, int rate = 44100)
    {
        return QString::fromStdString(dir.Write(name, fixture::BuildPatternWav(frames, rate)));
    }
    QString SparseWav(const std::string& name, int seconds)
    {
        return QString::fromStdString(uitest::WriteSparseWav(dir, name, seconds));
    }
    void Add(const QStringList& paths)
    {
        files.Push(paths);
        Click(CMixerDlg::ID_ADD);
    }
    QStringList Entries() const
    {
        QStringList texts;
        for (int i = 0; i < List()->count(); ++i)
            texts << List()->item(i)->text();
        return texts;
    }
    int Selected() const
    {
        const auto selected = List()->selectedItems();
        return selected.isEmpty() ? -1 : List()->row(selected.front());
    }
    std::vector<CurvePoint> Curve() const
    {
        std::vector<CurvePoint> points(static_cast<size_t>(dlg.GetCurve().GetCount()));
        for (int i = 0; i < dlg.GetCurve().GetCount(); ++i)
            dlg.GetCurve().GetPoint(i, &points[static_cast<size_t>(i)]);
        return points;
    }

    void ExpectDefaults() const
    {
        EXPECT_EQ(Text(1070), "10 seconds");
        EXPECT_EQ(Slider(1069)->value(), 10);
        EXPECT_EQ(Text(1066), "110 Hz");
        EXPECT_EQ(Slider(1065)->value(), 110);
        EXPECT_EQ(Text(1076), "10%");
        EXPECT_EQ(Slider(1075)->value(), 10);
        EXPECT_EQ(Text(1072), "50%");
        EXPECT_EQ(Slider(1071)->value(), 50);
        EXPECT_EQ(Text(1068), "4 Hz");
        EXPECT_EQ(Slider(1067)->value(), 4);
        EXPECT_FALSE(Slider(1067)->isVisible());
        EXPECT_FALSE(qobject_cast<QCheckBox*>(dlg.GetDlgItem(1035))->isChecked());
        EXPECT_FALSE(qobject_cast<QCheckBox*>(dlg.GetDlgItem(1036))->isChecked());
        EXPECT_TRUE(qobject_cast<QRadioButton*>(dlg.GetDlgItem(1011))->isChecked());
        EXPECT_FALSE(qobject_cast<QRadioButton*>(dlg.GetDlgItem(1010))->isChecked());
        const std::vector<CurvePoint> curve = Curve();
        ASSERT_EQ(curve.size(), 4u);
        const double expected[4][2] = {
            {0, 20.0 / 30}, {0.1, 4.0 / 30}, {0.9, 4.0 / 30}, {1.0, 16.0 / 30}};
        for (size_t i = 0; i < 4; ++i) {
            EXPECT_DOUBLE_EQ(curve[i].x, expected[i][0]) << i;
            EXPECT_DOUBLE_EQ(curve[i].y, expected[i][1]) << i;
        }
    }

    fixture::TempDir dir;
    MessageLog messages;
    FileAnswers files;
    CMixerDlg dlg;

private:
    QString m_savedDir;
};

TEST_F(MainWindow, FreshWindowShowsTheDefaultsAndAnEmptyMix)
{
    EXPECT_EQ(dlg.windowTitle(), "   Velmira Mixer");
    EXPECT_EQ(dlg.size(), QSize(672, 496));
    ExpectDefaults();
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Text(1020), "00:00:00");
    EXPECT_EQ(Text(1021), "0 MB");
    EXPECT_TRUE(Text(1022).endsWith(" MB") || Text(1022).endsWith(" GB"))
        << Text(1022).toStdString();
    EXPECT_EQ(Text(1117), "");
    EXPECT_TRUE(dlg.GetOutputPath().isEmpty());
    for (const ButtonPlacement& placement : MainWindowButtons()) {
        auto* button = qobject_cast<CHoverButton*>(dlg.GetDlgItem(placement.command));
        ASSERT_NE(button, nullptr) << placement.command;
        EXPECT_TRUE(button->isVisible()) << placement.command;
        EXPECT_EQ(button->geometry(), placement.rect) << placement.command;
        EXPECT_EQ(button->TipText(), Str(placement.tipStringId)) << placement.command;
        EXPECT_TRUE(button->IsTipActive()) << placement.command;
    }
    EXPECT_EQ(dlg.GetDlgItem(CMixerDlg::ID_START)->geometry(), QRect(19, 58, 72, 49));
    EXPECT_EQ(dlg.GetDlgItem(CMixerDlg::ID_OUTPUT)->geometry(), QRect(602, 58, 33, 24));
    EXPECT_EQ(dlg.findChild<CGraphDlg*>()->geometry(), dlg.GetDlgItem(1130)->geometry());
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindow, RestoreAndNewMixReturnToTheDefaults)
{
    const QString song = WriteWav("song.wav", 44100 * 3);
    for (const int command : {int{CMixerDlg::ID_RESTORE}, int{CMixerDlg::ID_NEW}}) {
        Add({song});
        files.Push({QString::fromStdString(dir.Path("out.wav"))});
        Click(CMixerDlg::ID_OUTPUT);
        Key(1069, Qt::Key_Home);
        Key(1065, Qt::Key_End);
        Key(1075, Qt::Key_End);
        Key(1071, Qt::Key_Home);
        ClickBox(1035);
        ClickBox(1010);
        Key(1067, Qt::Key_End);
        ASSERT_EQ(Text(1070), "0 seconds");
        ASSERT_EQ(Text(1068), "30 Hz");

        Click(command);
        ExpectDefaults();
        if (command == CMixerDlg::ID_NEW) {
            EXPECT_EQ(List()->count(), 0);
            EXPECT_EQ(Text(1020), "00:00:00");
            EXPECT_EQ(Text(1117), "");
            Click(CMixerDlg::ID_START);
            EXPECT_EQ(messages.Texts().back(), Str(IDS_SELECT_OUTPUT));
        } else {
            // The playlist and the output stay; the length follows the restored fade.
            EXPECT_EQ(List()->count(), 1);
            EXPECT_EQ(Text(1117), "out");
        }
    }
}

TEST_F(MainWindow, AddingStopsAtTheFirstRefusedFile)
{
    const QString bad =
        QString::fromStdString(dir.Write("bad.wav", {'n', 'o', 't', ' ', 'w', 'a', 'v'}));
    Add({WriteWav("one.wav", 44100 * 2), WriteWav("two.wav", 11025, 11025), bad,
         WriteWav("four.wav", 44100), WriteWav("five.wav", 44100)});

    EXPECT_EQ(Entries(), QStringList({"[00:00:02]  one", "[00:00:01]  two"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, Str(IDS_INVALID_WAV) + Str(IDS_INVALID_WAV_DETAILS));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
    EXPECT_EQ(messages.shown[0].caption, "Velmira");
    EXPECT_EQ(Selected(), 1);
    EXPECT_EQ(List()->item(1)->data(Qt::UserRole).toString(),
              QString::fromStdString(dir.Path("two.wav")));
    EXPECT_EQ(Text(1020), "00:00:03");
    // The open dialog: several existing WAV files; afterwards the current directory is the
    // folder they came from.
    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].mode, CFileDialog::Mode::OpenFiles);
    EXPECT_EQ(files.requests[0].filter, "Windows PCM (*.wav)");
    EXPECT_EQ(QDir(QDir::currentPath()).canonicalPath(),
              QDir(QString::fromStdString(dir.Root().string())).canonicalPath());

    // Cancelling the dialog adds nothing; the same file twice makes two entries.
    Add({});
    EXPECT_EQ(List()->count(), 2);
    Add({QString::fromStdString(dir.Path("one.wav"))});
    EXPECT_EQ(Entries().back(), "[00:00:02]  one");
    EXPECT_EQ(List()->count(), 3);
}

TEST_F(MainWindow, DeleteClearUpAndDownFollowTheSelectionRules)
{
    Add({WriteWav("a.wav", 44100), WriteWav("b.wav", 44100 * 2), WriteWav("c.wav", 44100 * 3),
         WriteWav("d.wav", 44100 * 4)});
    ASSERT_EQ(Selected(), 3);
    // Entries shorter than the fade of 10 s join without a cross-fade.
    EXPECT_EQ(Text(1020), "00:00:10");

    struct Step
    {
        int select; // row to select first, -1 to clear the selection, -2 to keep it
        int command;
        QString order;
        int selected;
        QString length;
    };
    const Step steps[] = {
        {-2, CMixerDlg::ID_DELETE, "abc", 2, "00:00:06"},
        {0, CMixerDlg::ID_DELETE, "bc", 0, "00:00:05"},
        {-2, CMixerDlg::ID_UP, "bc", 0, "00:00:05"},
        {-2, CMixerDlg::ID_DOWN, "cb", 1, "00:00:05"},
        {-2, CMixerDlg::ID_DOWN, "cb", 1, "00:00:05"},
        {-2, CMixerDlg::ID_UP, "bc", 0, "00:00:05"},
        {-1, CMixerDlg::ID_UP, "bc", -1, "00:00:05"},
        {-1, CMixerDlg::ID_DOWN, "bc", -1, "00:00:05"},
        {-1, CMixerDlg::ID_DELETE, "bc", -1, "00:00:05"},
        {1, CMixerDlg::ID_DELETE, "b", 0, "00:00:02"},
        {-2, CMixerDlg::ID_DELETE, "", -1, "00:00:00"},
    };
    for (const Step& step : steps) {
        if (step.select >= 0)
            List()->setCurrentRow(step.select);
        else if (step.select == -1)
            List()->clearSelection();
        Click(step.command);
        QString order;
        for (int i = 0; i < List()->count(); ++i) {
            const QString path = List()->item(i)->data(Qt::UserRole).toString();
            order += QFileInfo(path).baseName();
            // The text and the path move together.
            EXPECT_TRUE(List()->item(i)->text().endsWith(QFileInfo(path).baseName()));
        }
        EXPECT_EQ(order, step.order) << step.command;
        EXPECT_EQ(Selected(), step.selected) << step.command << " " << order.toStdString();
        EXPECT_EQ(Text(1020), step.length) << step.command << " " << order.toStdString();
    }
    EXPECT_EQ(Text(1021), "0 MB");

    Add({QString::fromStdString(dir.Path("a.wav")), QString::fromStdString(dir.Path("b.wav"))});
    Click(CMixerDlg::ID_CLEAR);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Text(1020), "00:00:00");
    EXPECT_EQ(Text(1021), "0 MB");
    EXPECT_EQ(dlg.GetTotalSeconds(), 0);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(MainWindow, LengthAndSpaceReadoutsFollowThePlaylistAndTheFade)
{
    Add({SparseWav("one.wav", 180), SparseWav("two.wav", 180)});
    EXPECT_EQ(Text(1020), "00:05:50");
    EXPECT_EQ(Text(1021), "58 MB");
    EXPECT_EQ(dlg.GetTotalSeconds(), 350);

    // The fade slider changes the readouts at once.
    Key(1069, Qt::Key_Home);
    EXPECT_EQ(Text(1070), "0 seconds");
    EXPECT_EQ(Text(1020), "00:06:00");
    Key(1069, Qt::Key_End);
    EXPECT_EQ(Text(1070), "20 seconds");
    EXPECT_EQ(Text(1020), "00:05:40");
    EXPECT_EQ(dlg.GetTotalSeconds(), 340);

    struct Case
    {
        int seconds;
        const char* length;
        const char* space;
    };
    const Case cases[] = {
        {5944, "01:39:04", "999 MB"}, {5945, "01:39:05", "1.0 GB"}, {14400, "04:00:00", "2.4 GB"}};
    for (const Case& c : cases) {
        Click(CMixerDlg::ID_CLEAR);
        Add({SparseWav("long" + std::to_string(c.seconds) + ".wav", c.seconds)});
        EXPECT_EQ(Text(1020), c.length);
        EXPECT_EQ(Text(1021), c.space) << c.seconds;
    }
}

TEST_F(MainWindow, SliderModeFlattensTheCurveAndRestoreBringsTheGraphBack)
{
    auto* graph = dlg.findChild<CGraphDlg*>();
    ASSERT_NE(graph, nullptr);
    ClickBox(1010);
    EXPECT_TRUE(Slider(1067)->isVisible());
    EXPECT_FALSE(graph->isEnabled());
    std::vector<CurvePoint> curve = Curve();
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_DOUBLE_EQ(curve[0].y, 4 * 0.03333333333333333);
    EXPECT_DOUBLE_EQ(curve[1].y, 4 * 0.03333333333333333);

    Key(1067, Qt::Key_Home);
    EXPECT_EQ(Text(1068), "0 Hz");
    curve = Curve();
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_EQ(curve[0].y, 0.0);
    EXPECT_EQ(curve[1].y, 0.0);
    Key(1067, Qt::Key_Right);

    // Graph after Slider keeps the flat line and hides the slider.
    ClickBox(1011);
    EXPECT_FALSE(Slider(1067)->isVisible());
    EXPECT_TRUE(graph->isEnabled());
    curve = Curve();
    ASSERT_EQ(curve.size(), 2u);
    EXPECT_DOUBLE_EQ(curve[0].y, 1 * 0.03333333333333333);
    EXPECT_DOUBLE_EQ(curve[1].x, 1.0);

    ClickBox(1010);
    Click(CMixerDlg::ID_RESTORE);
    ExpectDefaults();
    EXPECT_TRUE(graph->isEnabled());
}

TEST_F(MainWindow, StartWithoutOutputShowsTheMessageAndNoMixingWindow)
{
    Add({WriteWav("a.wav", 44100)});
    bool mixingShown = false;
    Poller watch([&] {
        mixingShown = mixingShown || uitest::FindWindow<CMixingDlg>() != nullptr;
        return false;
    });
    Click(CMixerDlg::ID_START);
    QTest::qWait(20);
    EXPECT_FALSE(mixingShown);
    EXPECT_EQ(messages.Texts(), std::vector<QString>({Str(IDS_SELECT_OUTPUT)}));
    EXPECT_EQ(messages.shown[0].kind, MessageKind::Warning);
}

TEST_F(MainWindow, OutputNameRules)
{
    const QString folder = QString::fromStdString(dir.Root().string());
    struct Case
    {
        QString chosen; // what the dialog returns; empty: cancelled
        QString path;
        QString shown;
    };
    const Case cases[] = {
        {folder + "/MIX.WAV", folder + "/MIX.WAV.wav", "MIX"},
        {folder + "/song", folder + "/song.wav", "song"},
        {folder + "/my.mix.wav", folder + "/my.mix.wav", "my.mix"},
        {"/tmp/a.wav.d/take.mp3", "/tmp/a.wav.d/take.mp3", "take"},
        {"", "/tmp/a.wav.d/take.mp3", "take"},
    };
    for (const Case& c : cases) {
        files.Push(c.chosen.isEmpty() ? QStringList() : QStringList{c.chosen});
        Click(CMixerDlg::ID_OUTPUT);
        EXPECT_EQ(dlg.GetOutputPath(), c.path) << c.chosen.toStdString();
        EXPECT_EQ(Text(1117), c.shown) << c.chosen.toStdString();
    }
    ASSERT_FALSE(files.requests.empty());
    EXPECT_EQ(files.requests[0].mode, CFileDialog::Mode::Save);
    EXPECT_EQ(files.requests[0].defaultSuffix, "wav");
}

TEST_F(MainWindow, RealSaveDialogKeepsTheTypedExtensionAndAsksBeforeReplacing)
{
    CFileDialog::SetAnswerer({});
    const QString folder = QString::fromStdString(dir.Root().string());
    WriteWav("old.wav", 10);

    // Types a name into the dialog and accepts it; answers Yes if asked to replace.
    const auto chooseOutput = [&](const QString& typed) {
        bool replaceAsked = false;
        Poller replace([&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return false;
            replaceAsked = true;
            box->button(QMessageBox::Yes)->click();
            return true;
        });
        Poller answer([&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr)
                return false;
            EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
            EXPECT_TRUE(dialog->testOption(QFileDialog::DontUseNativeDialog));
            EXPECT_EQ(dialog->nameFilters(), QStringList({"Windows PCM (*.wav)"}));
            auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit");
            edit->setText(typed);
            QTest::keyClick(edit, Qt::Key_Return);
            return true;
        });
        Click(CMixerDlg::ID_OUTPUT);
        return replaceAsked;
    };

    EXPECT_FALSE(chooseOutput(folder + "/MIX.WAV"));
    EXPECT_EQ(dlg.GetOutputPath(), folder + "/MIX.WAV.wav");
    EXPECT_EQ(Text(1117), "MIX");

    EXPECT_TRUE(chooseOutput(folder + "/old"));
    EXPECT_EQ(dlg.GetOutputPath(), folder + "/old.wav");
    EXPECT_EQ(Text(1117), "old");
}

TEST_F(MainWindow, StartRefusesAnOutputThatIsAnInputAndAMixTooLongForWav)
{
    const QString input = WriteWav("in.wav", 44100);
    const fixture::Bytes before = fixture::ReadBytes(input.toStdString());
    Add({input});
    files.Push({QString::fromStdString(dir.Path("sub/../in.wav"))});
    std::filesystem::create_directory(dir.Path("sub"));
    Click(CMixerDlg::ID_OUTPUT);
    Click(CMixerDlg::ID_START);
    EXPECT_EQ(messages.Texts(), std::vector<QString>({Str(IDS_OUTPUT_IS_INPUT)}));
    EXPECT_EQ(fixture::ReadBytes(input.toStdString()), before);

    // Two entries of 3 h 30 min: 7 hours do not fit the 32-bit sizes of a WAV file.
    Click(CMixerDlg::ID_CLEAR);
    Key(1069, Qt::Key_Home);
    Add({SparseWav("long1.wav", 12600), SparseWav("long2.wav", 12600)});
    files.Push({QString::fromStdString(dir.Path("out.wav"))});
    Click(CMixerDlg::ID_OUTPUT);
    EXPECT_EQ(Text(1020), "07:00:00");
    Click(CMixerDlg::ID_START);
    EXPECT_EQ(messages.Texts().back(), Str(IDS_MIX_TOO_LONG));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.wav")));
}

TEST_F(MainWindow, EscapeAndTabDoNothingEnterEnds)
{
    List()->setFocus();
    for (const int id : {1019, 1069, 1035}) {
        QTest::keyClick(dlg.GetDlgItem(id), Qt::Key_Escape);
        QTest::keyClick(dlg.GetDlgItem(id), Qt::Key_Tab);
    }
    QTest::keyClick(&dlg, Qt::Key_Escape);
    QTest::keyClick(&dlg, Qt::Key_Tab);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(QApplication::focusWidget(), List());

    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
}

TEST_F(MainWindow, CloseBoxEndsAtOnce)
{
    dlg.close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_TRUE(messages.shown.empty());
}

class UrlCatcher : public QObject
{
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { urls.push_back(url); }

public:
    std::vector<QUrl> urls;
};

TEST_F(MainWindow, UserGuideButtonOpensTheGuideFromTheDataFolder)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("file", &catcher, "Open");
    Click(CMixerDlg::ID_GUIDE);
    QDesktopServices::unsetUrlHandler("file");

    ASSERT_EQ(catcher.urls.size(), 1u);
    const QString path = catcher.urls[0].toLocalFile();
    EXPECT_EQ(path, QString::fromStdString(GetInstallPath()) + "/Velmira Mixer - User's Guide.pdf");
    const fixture::Bytes pdf = fixture::ReadBytes(path.toStdString());
    ASSERT_GT(pdf.size(), 1000u);
    EXPECT_EQ(std::string(pdf.begin(), pdf.begin() + 5), "%PDF-");
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace

#include "MainWindowTest.moc"

#include "ui/CMixerDlg.h"

#include "engine/MixLength.h"
#include "engine/PlaylistEntry.h"
#include "engine/SecondsToHMS.h"
#include "engine/StringTable.h"
#include "platform/SystemServices.h"
#include "res/ButtonLayout.h"
#include "res/DialogTemplate.h"
#include "res/Resources.h"
#include "ui/CFileDialog.h"
#include "ui/CMessageBox.h"
#include "ui/CMixingDlg.h"
#include "ui/InstallPath.h"
#include "ui/OpenDocument.h"
#include "ui/SpaceText.h"
#include "ui/controls/CHoverButton.h"
#include "ui/controls/CSkinSlider.h"
#include "ui/controls/DrawBitmap.h"
#include "ui/graph/CGraphDlg.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>

#include <vector>

namespace {

enum ControlId
{
    IDC_FLAT_BEAT = 1067,
    IDC_DYNAMICS = 1071,
    IDC_MIN_VOLUME = 1075,
    IDC_CARRIER = 1065,
    IDC_FADE = 1069,
    IDC_PLAYLIST = 1019,
    IDC_FADE_TEXT = 1070,
    IDC_CARRIER_TEXT = 1066,
    IDC_HIGH_TONE = 1036,
    IDC_MEDIUM_TONE = 1035,
    IDC_MIN_VOLUME_TEXT = 1076,
    IDC_DYNAMICS_TEXT = 1072,
    IDC_FLAT_BEAT_TEXT = 1068,
    IDC_GRAPH_MODE = 1011,
    IDC_SLIDER_MODE = 1010,
    IDC_LENGTH = 1020,
    IDC_REQUIRED_SPACE = 1021,
    IDC_FREE_SPACE = 1022,
    IDC_OUTPUT_NAME = 1117,
    IDC_GRAPH_FRAME = 1130,
};

constexpr int kBeatModeGraph = 0;
constexpr int kBeatModeSlider = 1;
// The double nearest 1/30: slider position in Hz to a curve level.
constexpr double kHzToLevel = 0.03333333333333333;
constexpr double kMaxBeatHz = 30.0;

Qt::Alignment StaticAlignment(const DialogControl& control)
{
    Qt::Alignment alignment = Qt::AlignLeft;
    if (control.Has(dlgstyle::StaticRight))
        alignment = Qt::AlignRight;
    else if (control.Has(dlgstyle::StaticCenter))
        alignment = Qt::AlignHCenter;
    return alignment | (control.Has(dlgstyle::StaticCenterImage) ? Qt::AlignVCenter : Qt::AlignTop);
}

// Sets a slider's range and position without it reporting a movement: only the user's
// movements reach OnHScroll.
void SetSlider(QAbstractSlider* slider, int minimum, int maximum, int position)
{
    const QSignalBlocker blocker(slider);
    slider->setRange(minimum, maximum);
    slider->setValue(position);
}

} // namespace

CMixerDlg::CMixerDlg(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    CreateControls();
    ConnectControls();
    OnInitDialog();
    qApp->installEventFilter(this);
}

CMixerDlg::~CMixerDlg()
{
    qApp->removeEventFilter(this);
}

QListWidget* CMixerDlg::NewListBox()
{
    return new QListWidget(this);
}

int CMixerDlg::DoModal()
{
    return exec();
}

QWidget* CMixerDlg::GetDlgItem(int id) const
{
    return findChild<QWidget*>(QString::number(id), Qt::FindDirectChildrenOnly);
}

void CMixerDlg::CreateControls()
{
    const DialogTemplate* layout = FindDialogTemplate(kDialogMain);
    setWindowTitle(QString::fromUtf8(layout->caption));
    setFont(DialogFont());
    setFixedSize(layout->PixelSize());

    m_beatModeGroup = new QButtonGroup(this);
    for (const DialogControl& control : layout->controls) {
        QWidget* widget = nullptr;
        const QString text = QString::fromUtf8(control.text);
        switch (control.kind) {
        case ControlKind::ListBox:
            m_listPlaylist->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            m_listPlaylist->setLineWidth(1);
            m_listPlaylist->setSelectionMode(QAbstractItemView::SingleSelection);
            widget = m_listPlaylist;
            break;
        case ControlKind::Trackbar: {
            auto* slider = new CSkinSlider(this);
            slider->setOrientation(Qt::Horizontal);
            switch (control.id) {
            case IDC_FLAT_BEAT:
                m_sliderFlatBeat = slider;
                break;
            case IDC_DYNAMICS:
                m_sliderDynamics = slider;
                break;
            case IDC_MIN_VOLUME:
                m_sliderMinVolume = slider;
                break;
            case IDC_CARRIER:
                m_sliderCarrier = slider;
                break;
            default:
                m_sliderFade = slider;
                break;
            }
            widget = slider;
            break;
        }
        case ControlKind::Button:
            if (control.Has(dlgstyle::AutoRadioButton)) {
                auto* radio = new QRadioButton(text, this);
                const bool graph = control.id == IDC_GRAPH_MODE;
                m_beatModeGroup->addButton(radio, graph ? kBeatModeGraph : kBeatModeSlider);
                (graph ? m_radioGraph : m_radioSlider) = radio;
                widget = radio;
            } else {
                auto* check = new QCheckBox(text, this);
                if (control.Has(dlgstyle::LeftText))
                    check->setLayoutDirection(Qt::RightToLeft);
                (control.id == IDC_HIGH_TONE ? m_checkHighTone : m_checkMediumTone) = check;
                widget = check;
            }
            break;
        case ControlKind::Static:
            if (control.Has(dlgstyle::StaticBlackFrame)) {
                m_frameGraph = new QWidget(this);
                widget = m_frameGraph;
                break;
            }
            {
                auto* label = new QLabel(text, this);
                label->setAlignment(StaticAlignment(control));
                if (control.Has(dlgstyle::StaticSunken)) {
                    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
                    label->setLineWidth(1);
                }
                switch (control.id) {
                case IDC_FADE_TEXT:
                    m_staticFade = label;
                    break;
                case IDC_CARRIER_TEXT:
                    m_staticCarrier = label;
                    break;
                case IDC_MIN_VOLUME_TEXT:
                    m_staticMinVolume = label;
                    break;
                case IDC_DYNAMICS_TEXT:
                    m_staticDynamics = label;
                    break;
                case IDC_FLAT_BEAT_TEXT:
                    m_staticFlatBeat = label;
                    break;
                case IDC_LENGTH:
                    m_staticLength = label;
                    break;
                case IDC_REQUIRED_SPACE:
                    m_staticRequired = label;
                    break;
                case IDC_FREE_SPACE:
                    m_staticFree = label;
                    break;
                case IDC_OUTPUT_NAME:
                    m_staticOutputName = label;
                    break;
                default:
                    break;
                }
                widget = label;
            }
            break;
        case ControlKind::ProgressBar:
            break;
        }
        if (widget == nullptr)
            continue;
        widget->setGeometry(control.PixelRect());
        if (control.id != kNoControlId)
            widget->setObjectName(QString::number(control.id));
        widget->setVisible(control.visible);
    }
}

void CMixerDlg::ConnectControls()
{
    for (CSkinSlider* slider :
         {m_sliderFlatBeat, m_sliderDynamics, m_sliderMinVolume, m_sliderCarrier, m_sliderFade})
        connect(slider, &QAbstractSlider::valueChanged, this,
                [this, slider] { OnHScroll(slider); });
    connect(m_checkMediumTone, &QCheckBox::clicked, this, &CMixerDlg::OnMediumTone);
    connect(m_checkHighTone, &QCheckBox::clicked, this, &CMixerDlg::OnHighTone);
    connect(m_radioGraph, &QRadioButton::clicked, this, &CMixerDlg::OnGraphMode);
    connect(m_radioSlider, &QRadioButton::clicked, this, &CMixerDlg::OnSliderMode);
}

bool CMixerDlg::OnInitDialog()
{
    setWindowIcon(res::LoadAppIcon());

    m_strOutputPath.clear();
    m_strOutputName.clear();
    m_staticOutputName->setText(m_strOutputName);

    for (CSkinSlider* slider :
         {m_sliderFlatBeat, m_sliderDynamics, m_sliderMinVolume, m_sliderCarrier, m_sliderFade})
        slider->SetBitmaps(res::kBitmapChannel, res::kBitmapThumb);

    m_graph = new CGraphDlg(this);
    m_graph->hide();
    m_graph->m_dMaxBeat = kMaxBeatHz;
    m_graph->m_pReadout = m_staticFlatBeat;

    m_listPlaylist->clear();
    UpdateLength();

    PlaceGraphEditor();
    m_graph->m_pCurve = &m_curve;

    RestoreDefaults();

    OnCtlColor(this);
    for (QWidget* control : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        OnCtlColor(control);

    LoadBackground();
    CreateButtons();
    UpdateData(false);
    return true;
}

void CMixerDlg::PlaceGraphEditor()
{
    m_graph->setGeometry(m_frameGraph->geometry());
    m_graph->show();
}

void CMixerDlg::LoadBackground()
{
    m_bmpBackground = res::LoadBitmap(res::kBitmapBackground);
}

void CMixerDlg::CreateButtons()
{
    for (const ButtonPlacement& placement : MainWindowButtons()) {
        auto* button = new CHoverButton(this);
        button->setObjectName(QString::number(placement.command));
        button->LoadStrip(placement.strip);
        button->SetTip(LoadString(placement.tipStringId), true);
        button->setGeometry(placement.rect);
        button->show();
        button->update();
        const int command = placement.command;
        connect(button, &QAbstractButton::clicked, this, [this, command] { OnCommand(command); });
        m_buttons[static_cast<size_t>(command - ID_START)] = button;
    }
}

void CMixerDlg::OnCommand(int id)
{
    switch (id) {
    case ID_START:
        OnStartMix();
        break;
    case ID_RESTORE:
        RestoreDefaults();
        break;
    case ID_NEW:
        OnNewMix();
        break;
    case ID_GUIDE:
        OnUserGuide();
        break;
    case ID_ADD:
        OnAddFiles();
        break;
    case ID_DELETE:
        OnDeleteEntry();
        break;
    case ID_CLEAR:
        OnClearPlaylist();
        break;
    case ID_UP:
        OnMoveUp();
        break;
    case ID_DOWN:
        OnMoveDown();
        break;
    case ID_OUTPUT:
        OnChooseOutput();
        break;
    default:
        break;
    }
}

void CMixerDlg::OnCtlColor(QWidget* control)
{
    // Text backgrounds and the list box stand on the base grey of the background picture.
    QPalette palette = control->palette();
    if (qobject_cast<QListWidget*>(control) != nullptr) {
        palette.setColor(QPalette::Base, res::BaseGrey());
        palette.setColor(QPalette::Text, Qt::black);
    } else if (control == this || qobject_cast<QLabel*>(control) != nullptr ||
               qobject_cast<QCheckBox*>(control) != nullptr ||
               qobject_cast<QRadioButton*>(control) != nullptr) {
        palette.setColor(QPalette::Window, res::BaseGrey());
        palette.setColor(QPalette::WindowText, Qt::black);
        control->setBackgroundRole(QPalette::Window);
        control->setAutoFillBackground(true);
    } else {
        return;
    }
    control->setPalette(palette);
}

void CMixerDlg::UpdateData(bool saveAndValidate)
{
    DoDataExchange(saveAndValidate);
}

void CMixerDlg::DoDataExchange(bool saveAndValidate)
{
    const auto text = [saveAndValidate](QLabel* control, QString& member) {
        if (saveAndValidate)
            member = control->text();
        else
            control->setText(member);
    };
    const auto check = [saveAndValidate](QCheckBox* control, int& member) {
        if (saveAndValidate)
            member = control->isChecked() ? 1 : 0;
        else
            control->setChecked(member != 0);
    };
    text(m_staticFade, m_strFade);
    text(m_staticCarrier, m_strCarrier);
    check(m_checkHighTone, m_nHighToneCheck);
    check(m_checkMediumTone, m_nMediumToneCheck);
    text(m_staticMinVolume, m_strMinVolume);
    text(m_staticDynamics, m_strDynamics);
    text(m_staticFlatBeat, m_strFlatBeat);
    if (saveAndValidate) {
        m_nBeatMode = m_beatModeGroup->checkedId();
    } else {
        // An exclusive group cannot show "nothing checked"; the mode is -1 only before
        // the first restore of the defaults.
        m_beatModeGroup->setExclusive(false);
        m_radioGraph->setChecked(m_nBeatMode == kBeatModeGraph);
        m_radioSlider->setChecked(m_nBeatMode == kBeatModeSlider);
        m_beatModeGroup->setExclusive(true);
    }
    text(m_staticLength, m_strLength);
    text(m_staticRequired, m_strRequiredSpace);
    text(m_staticFree, m_strFreeSpace);
}

bool CMixerDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (PreTranslateMessage(watched, event))
        return true;
    return QDialog::eventFilter(watched, event);
}

bool CMixerDlg::PreTranslateMessage(QObject* receiver, QEvent* event)
{
    // Escape and Tab are dropped for the window and every control on it: Escape never
    // closes the window and Tab never moves the focus.
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Escape && key != Qt::Key_Tab && key != Qt::Key_Backtab)
        return false;
    auto* widget = qobject_cast<QWidget*>(receiver);
    return widget != nullptr && isAncestorOf(widget);
}

void CMixerDlg::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        OnOK();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMixerDlg::paintEvent(QPaintEvent* /*event*/)
{
    OnPaint();
}

void CMixerDlg::OnPaint()
{
    if (isMinimized())
        return;
    QPainter painter(this);
    DrawBitmap(painter, QPoint(0, 0), m_bmpBackground);
}

void CMixerDlg::OnOK()
{
    UpdateData(true);
    done(QDialog::Accepted);
}

void CMixerDlg::OnCancel()
{
    done(QDialog::Rejected);
}

void CMixerDlg::accept()
{
    OnOK();
}

void CMixerDlg::reject()
{
    OnCancel();
}

void CMixerDlg::OnUserGuide()
{
    const QString folder = QString::fromStdString(GetInstallPath());
    OpenDocument(folder + QLatin1Char('/') + QString::fromUtf8(kUserGuideFileName));
}

// ---- Settings and Start ----

void CMixerDlg::OnHScroll(QAbstractSlider* slider)
{
    UpdateData(true);
    const int position = slider->value();
    if (slider == m_sliderCarrier) {
        m_nCarrier = position;
        m_strCarrier = QString::asprintf("%d Hz", position);
    } else if (slider == m_sliderFlatBeat) {
        m_strFlatBeat = QString::asprintf("%d Hz", position);
        m_graph->SetFlatLevel(position * kHzToLevel);
    } else if (slider == m_sliderFade) {
        m_nFade = position;
        m_strFade = QString::asprintf("%d seconds", position);
        UpdateLength();
    } else if (slider == m_sliderDynamics) {
        m_nDynamics = position;
        m_strDynamics = QString::asprintf("%d%%", position);
    } else if (slider == m_sliderMinVolume) {
        m_nMinVolume = position;
        m_strMinVolume = QString::asprintf("%d%%", position);
    }
    UpdateData(false);
}

void CMixerDlg::OnMediumTone()
{
    UpdateData(true);
    m_bMediumTone = m_nMediumToneCheck;
}

void CMixerDlg::OnHighTone()
{
    UpdateData(true);
    m_bHighTone = m_nHighToneCheck;
}

void CMixerDlg::OnGraphMode()
{
    m_nBeatMode = kBeatModeGraph;
    m_graph->setEnabled(true);
    m_sliderFlatBeat->hide();
}

void CMixerDlg::OnSliderMode()
{
    UpdateData(true);
    m_graph->setEnabled(false);
    m_sliderFlatBeat->show();
    const int position = m_sliderFlatBeat->value();
    m_strFlatBeat = QString::asprintf("%d Hz", position);
    m_graph->SetFlatLevel(position * kHzToLevel);
    UpdateData(false);
}

void CMixerDlg::RestoreDefaults()
{
    m_nFade = 10;
    SetSlider(m_sliderFade, 0, 20, m_nFade);
    m_strFade = QString::asprintf("%d seconds", m_nFade);

    m_nCarrier = 110;
    SetSlider(m_sliderCarrier, 100, 200, m_nCarrier);
    m_strCarrier = QString::asprintf("%d Hz", m_nCarrier);

    m_bMediumTone = m_bHighTone = m_nMediumToneCheck = m_nHighToneCheck = 0;

    m_nMinVolume = 10;
    SetSlider(m_sliderMinVolume, 0, 100, m_nMinVolume);
    m_strMinVolume = QString::asprintf("%d%%", m_nMinVolume);

    m_nDynamics = 50;
    SetSlider(m_sliderDynamics, 0, 100, m_nDynamics);
    m_strDynamics = QString::asprintf("%d%%", m_nDynamics);

    m_nBeatMode = kBeatModeGraph;
    OnGraphMode();

    BuildDefaultCurve(m_curve);
    m_graph->update();

    SetSlider(m_sliderFlatBeat, 0, 30, 4);
    m_strFlatBeat = QString::asprintf("%d Hz", 4);
    m_sliderFlatBeat->hide();

    UpdateLength();
}

void CMixerDlg::OnNewMix()
{
    RestoreDefaults();
    OnClearPlaylist();
    m_strOutputPath.clear();
    m_strOutputName.clear();
    m_staticOutputName->setText(m_strOutputName);
}

void CMixerDlg::OnChooseOutput()
{
    QString path = CFileDialog::GetSaveFileName(this);
    if (path.isEmpty())
        return;
    // The name as the dialog gave it, before the extension rule below.
    const QString fileName = QFileInfo(path).fileName();
    if (!path.contains(QStringLiteral(".wav"), Qt::CaseSensitive))
        path += QStringLiteral(".wav");
    m_strOutputPath = path;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    m_strOutputName = dot < 0 ? fileName : fileName.left(dot);
    m_staticOutputName->setText(m_strOutputName);
}

bool CMixerDlg::OutputIsAnEntry() const
{
    const std::string output = QFile::encodeName(m_strOutputPath).toStdString();
    for (int i = 0; i < m_playlist.GetCount(); ++i)
        if (IsSameFile(output, m_playlist.GetPath(i)))
            return true;
    return false;
}

void CMixerDlg::OnStartMix()
{
    if (m_strOutputPath.isEmpty()) {
        CMessageBox::ShowString(this, IDS_SELECT_OUTPUT);
        return;
    }
    // Rendering into one of the playlist's files would destroy it while it is read.
    if (OutputIsAnEntry()) {
        CMessageBox::ShowString(this, IDS_OUTPUT_IS_INPUT);
        return;
    }
    // A longer mix would overflow the 32-bit size fields of the WAV header.
    if (!FitsWavSizeFields(m_nTotalSeconds)) {
        CMessageBox::ShowString(this, IDS_MIX_TOO_LONG);
        return;
    }

    CMixingDlg mixing(this);
    MixParams& params = mixing.m_params;
    params.outputPath = QFile::encodeName(m_strOutputPath).toStdString();
    params.playlist = &m_playlist;
    params.totalFrames = static_cast<uint32_t>(m_nTotalSeconds) * 44100u;
    params.fadeSeconds = m_nFade;
    params.carrierHz = m_nCarrier;
    params.highTone = m_bHighTone;
    params.mediumTone = m_bMediumTone;
    params.dynamics = m_nDynamics;
    params.minVolume = m_nMinVolume;
    params.curve = &m_curve;
    mixing.DoModal();
}

// ---- Playlist ----

void CMixerDlg::OnAddFiles()
{
    UpdateData(true);
    const QStringList paths = CFileDialog::GetOpenFileNames(this);
    for (const QString& path : paths)
        if (AddFile(path) != 0)
            break;
    UpdateData(false);
}

int CMixerDlg::AddFile(const QString& path)
{
    PlaylistEntry entry;
    if (ReadEntry(QFile::encodeName(path).toStdString(), entry) != 0) {
        CMessageBox::Show(this, QString::fromUtf8(LoadString(IDS_INVALID_WAV)) +
                                    QString::fromUtf8(LoadString(IDS_INVALID_WAV_DETAILS)));
        return 1;
    }
    auto* item = new QListWidgetItem(QString::fromUtf8(entry.text));
    item->setData(Qt::UserRole, path);
    m_listPlaylist->addItem(item);
    m_listPlaylist->setCurrentItem(item);
    UpdateLength();
    return 0;
}

int CMixerDlg::SelectedEntry() const
{
    const QList<QListWidgetItem*> selected = m_listPlaylist->selectedItems();
    return selected.isEmpty() ? -1 : m_listPlaylist->row(selected.front());
}

void CMixerDlg::OnDeleteEntry()
{
    const int selected = SelectedEntry();
    if (selected < 0 || m_listPlaylist->count() == 0)
        return;
    DeleteEntry(selected);
    const int remaining = m_listPlaylist->count();
    UpdateLength();
    if (remaining > 0)
        m_listPlaylist->setCurrentRow(selected > 0 ? selected - 1 : 0);
}

void CMixerDlg::DeleteEntry(int i)
{
    if (i < m_listPlaylist->count())
        delete m_listPlaylist->takeItem(i);
}

void CMixerDlg::OnClearPlaylist()
{
    while (m_listPlaylist->count() > 0)
        DeleteEntry(0);
    UpdateLength();
}

void CMixerDlg::OnMoveUp()
{
    const int selected = SelectedEntry();
    if (selected <= 0 || selected >= m_listPlaylist->count())
        return;
    QListWidgetItem* item = m_listPlaylist->takeItem(selected);
    m_listPlaylist->insertItem(selected - 1, item);
    m_listPlaylist->setCurrentItem(item);
    UpdateLength();
}

void CMixerDlg::OnMoveDown()
{
    const int selected = SelectedEntry();
    if (selected < 0 || selected >= m_listPlaylist->count() - 1)
        return;
    QListWidgetItem* item = m_listPlaylist->takeItem(selected);
    m_listPlaylist->insertItem(selected + 1, item);
    m_listPlaylist->setCurrentItem(item);
    UpdateLength();
}

void CMixerDlg::UpdateLength()
{
    std::vector<int> seconds;
    for (int i = 0; i < m_listPlaylist->count(); ++i)
        seconds.push_back(EntrySecondsFromText(m_listPlaylist->item(i)->text().toStdString()));
    // The run's own rule: only joints that can cross-fade shorten the mix, so Start hands
    // the run exactly the total it will produce.
    m_nTotalSeconds = seconds.empty() ? 0 : TotalLengthSeconds(seconds, m_nFade);
    m_strLength = QString::fromStdString(FormatHMS(m_nTotalSeconds));
    UpdateRequiredSpace();
    UpdateFreeSpace();
    UpdateData(false);
}

void CMixerDlg::UpdateRequiredSpace()
{
    m_strRequiredSpace = SpaceText(RequiredMegabytes(m_nTotalSeconds));
}

void CMixerDlg::UpdateFreeSpace()
{
    m_strFreeSpace = SpaceText(GetFreeDiskMB());
}

#include "ui/CMixingDlg.h"

#include "engine/StringTable.h"
#include "platform/SystemServices.h"
#include "res/DialogTemplate.h"
#include "res/Resources.h"
#include "ui/CMessageBox.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int kIdProgressCurrent = 1006;
constexpr int kIdCompleted = 1023;
constexpr int kIdCurrent = 1024;
constexpr int kIdFiles = 1025;
constexpr int kIdFileName = 1026;
constexpr int kIdElapsed = 1027;
constexpr int kIdRemaining = 1028;

} // namespace

CMixingDlg::CMixingDlg(QWidget* owner) : QDialog(owner)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(res::LoadAppIcon());
    CreateControls();
}

CMixingDlg::~CMixingDlg() = default;

void CMixingDlg::CreateControls()
{
    const DialogTemplate* layout = FindDialogTemplate(kDialogMixing);
    setWindowTitle(QString::fromUtf8(layout->caption));
    setFont(DialogFont());
    setFixedSize(layout->PixelSize());

    for (const DialogControl& control : layout->controls) {
        const QRect rect = control.PixelRect();
        QWidget* widget = nullptr;
        if (control.kind == ControlKind::ProgressBar) {
            auto* bar = new QProgressBar(this);
            bar->setRange(0, 100);
            bar->setValue(0);
            bar->setTextVisible(false);
            bar->setGeometry(rect);
            widget = bar;
            (control.id == kIdProgressCurrent ? m_progressCurrent : m_progressTotal) = bar;
        } else if (control.kind == ControlKind::Button) {
            m_btnCancel = new QPushButton(QString::fromUtf8(control.text), this);
            m_btnCancel->setGeometry(rect);
            widget = m_btnCancel;
            // Enter must not reach Cancel through the default-button rule.
            m_btnCancel->setAutoDefault(false);
            m_btnCancel->setDefault(false);
            connect(m_btnCancel, &QPushButton::clicked, this, &CMixingDlg::OnCancel);
        } else {
            auto* label = new QLabel(QString::fromUtf8(control.text), this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            // The stand-in font runs a little wider than the one the layout was made for:
            // a fixed label keeps its whole text, growing to the right into the free space.
            QRect field = rect;
            if (control.id == kNoControlId)
                field.setWidth(std::max(rect.width(), label->sizeHint().width()));
            label->setGeometry(field);
            widget = label;
            switch (control.id) {
            case kIdCurrent:
                m_labelCurrent = label;
                break;
            case kIdCompleted:
                m_labelCompleted = label;
                break;
            case kIdFiles:
                m_labelFiles = label;
                break;
            case kIdFileName:
                m_labelFileName = label;
                break;
            case kIdElapsed:
                m_labelElapsed = label;
                break;
            case kIdRemaining:
                m_labelRemaining = label;
                break;
            default:
                break;
            }
        }
        if (control.id != kNoControlId)
            widget->setObjectName(QString::number(control.id));
    }
}

void CMixingDlg::DoDataExchange()
{
    m_labelCurrent->setText(m_strCurrent);
    m_labelCompleted->setText(m_strCompleted);
    m_labelFileName->setText(m_strFileName);
    m_labelElapsed->setText(m_strElapsed);
    m_labelRemaining->setText(m_strRemaining);
    m_labelFiles->setText(m_strFiles);
}

int CMixingDlg::DoModal()
{
    OnInitDialog();
    exec();
    return QDialog::Rejected;
}

bool CMixingDlg::OnInitDialog()
{
    DoDataExchange();
    m_nStartTimer = startTimer(kStartDelayMs);
    return true;
}

void CMixingDlg::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_nStartTimer)
        OnTimer();
    else
        QDialog::timerEvent(event);
}

void CMixingDlg::OnTimer()
{
    killTimer(m_nStartTimer);
    m_nStartTimer = 0;
    m_run.SetParams(m_params);
    m_run.RunMix();
    done(QDialog::Rejected);
}

void CMixingDlg::OnOK()
{
}

void CMixingDlg::OnCancel()
{
    if (!m_run.IsRunning())
        return;
    if (CMessageBox::ShowString(this, IDS_CONFIRM_CANCEL, MessageKind::Question) !=
        MessageAnswer::Yes)
        return;
    // The run may have reached its end while the question was up.
    if (!m_run.IsRunning())
        return;
    m_run.Stop();
    done(QDialog::Rejected);
}

void CMixingDlg::accept()
{
    OnOK();
}

void CMixingDlg::reject()
{
    OnCancel();
}

void CMixingDlg::keyPressEvent(QKeyEvent* event)
{
    // No keyboard shortcut of the dialog is active while the run lets events through;
    // before it, Escape reaches OnCancel, which then does nothing.
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!m_run.IsRunning())
            OnCancel();
        return;
    case Qt::Key_Enter:
    case Qt::Key_Return:
        OnOK();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

void CMixingDlg::closeEvent(QCloseEvent* event)
{
    event->ignore();
    OnCancel();
}

void CMixingDlg::ShowMessage(int /*id*/, const std::string& text)
{
    CMessageBox::Show(this, QString::fromStdString(text), MessageKind::Warning);
}

void CMixingDlg::SetRemainingText(const std::string& text)
{
    m_strRemaining = QString::fromStdString(text);
    m_labelRemaining->setText(m_strRemaining);
}

void CMixingDlg::UpdateProgress(int i, const std::string& name, int elapsed)
{
    const ProgressFigures figures = m_run.GetProgressFigures(i, name, elapsed);
    m_progressTotal->setValue(figures.completed);
    m_progressCurrent->setValue(figures.current);
    m_strCompleted = QString::fromStdString(figures.completedText);
    m_strCurrent = QString::fromStdString(figures.currentText);
    m_strFiles = QString::fromStdString(figures.filesText);
    m_strFileName = QString::fromStdString(figures.fileName);
    m_strElapsed = QString::fromStdString(figures.elapsedText);
    m_strRemaining = QString::fromStdString(figures.remainingText);
    DoDataExchange();
}

void CMixingDlg::PumpMessages()
{
    if (m_pump.Due())
        QCoreApplication::processEvents(QEventLoop::AllEvents);
}

int64_t CMixingDlg::WallClockSeconds()
{
    return ::WallClockSeconds();
}

void CMixingDlg::HideAndShowCompletion()
{
    hide();
    CMessageBox::ShowString(parentWidget(), IDS_MIX_COMPLETED, MessageKind::Warning);
}

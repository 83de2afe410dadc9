#pragma once

#include "engine/CRenderRun.h"
#include "engine/IRenderHost.h"
#include "engine/MixParams.h"
#include "engine/PumpCounter.h"

#include <QDialog>
#include <QString>

class QLabel;
class QProgressBar;
class QPushButton;

// The modal window that stands over the main window while a mix is rendered. It starts
// the render run by itself 100 ms after it opens, runs it on this thread, shows the
// progress of the current entry and of the whole mix and offers Cancel with a question.
// It ends itself when the run ends, whichever way.
class CMixingDlg : public QDialog, public IRenderHost
{
    Q_OBJECT

public:
    explicit CMixingDlg(QWidget* owner = nullptr);
    ~CMixingDlg() override;

    // Runs the window modally; always returns the cancel result.
    int DoModal();

    bool IsRunning() const { return m_run.IsRunning(); }

    void ShowMessage(int id, const std::string& text) override;
    void SetRemainingText(const std::string& text) override;
    void UpdateProgress(int i, const std::string& name, int elapsed) override;
    void PumpMessages() override;
    int64_t WallClockSeconds() override;
    void HideAndShowCompletion() override;

    // Filled by the Start command between construction and DoModal.
    MixParams m_params;

public slots:
    void accept() override;
    void reject() override;

protected:
    void timerEvent(QTimerEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    static constexpr int kStartDelayMs = 100;

    void CreateControls();
    void DoDataExchange();
    bool OnInitDialog();
    void OnTimer();
    void OnOK();
    void OnCancel();

    QProgressBar* m_progressCurrent = nullptr;
    QProgressBar* m_progressTotal = nullptr;
    QString m_strCurrent;
    QString m_strCompleted;
    QString m_strFileName;
    QString m_strElapsed;
    QString m_strRemaining;
    QString m_strFiles;

    QLabel* m_labelCurrent = nullptr;
    QLabel* m_labelCompleted = nullptr;
    QLabel* m_labelFileName = nullptr;
    QLabel* m_labelElapsed = nullptr;
    QLabel* m_labelRemaining = nullptr;
    QLabel* m_labelFiles = nullptr;
    QPushButton* m_btnCancel = nullptr;

    int m_nStartTimer = 0;
    PumpCounter m_pump;
    CRenderRun m_run{*this};
};

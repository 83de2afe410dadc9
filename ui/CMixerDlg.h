#pragma once

#include "engine/CBeatCurve.h"
#include "ui/CListBoxPlaylist.h"

#include <QDialog>
#include <QPixmap>
#include <QString>

#include <array>

class CGraphDlg;
class CHoverButton;
class CSkinSlider;
class QAbstractSlider;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QListWidget;
class QRadioButton;

// The main window: playlist, output file, mix settings, the beat-frequency curve and
// the ten command buttons on the skin's background picture. Run modally by CMixerApp;
// the program ends when it closes.
class CMixerDlg : public QDialog
{
    Q_OBJECT

public:
    // Command ids of the ten buttons.
    enum Command
    {
        ID_START = 20000,
        ID_RESTORE = 20001,
        ID_NEW = 20002,
        ID_GUIDE = 20003,
        ID_ADD = 20004,
        ID_DELETE = 20005,
        ID_CLEAR = 20006,
        ID_UP = 20007,
        ID_DOWN = 20008,
        ID_OUTPUT = 20009,
    };

    explicit CMixerDlg(QWidget* parent = nullptr);
    ~CMixerDlg() override;

    int DoModal();

    // The control with a template id or a command id; null for an unknown id.
    QWidget* GetDlgItem(int id) const;

    const CBeatCurve& GetCurve() const { return m_curve; }
    int GetTotalSeconds() const { return m_nTotalSeconds; }
    const QString& GetOutputPath() const { return m_strOutputPath; }

public slots:
    void accept() override;
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    // The two bulk steps of the data exchange: read the controls (true) or show the
    // settings (false).
    void DoDataExchange(bool saveAndValidate);
    void UpdateData(bool saveAndValidate);

    bool OnInitDialog();
    bool PreTranslateMessage(QObject* receiver, QEvent* event);
    void OnPaint();
    void OnCtlColor(QWidget* control);
    void OnOK();
    void OnCancel();
    void OnCommand(int id);
    void OnUserGuide();

    // Settings and Start.
    void OnHScroll(QAbstractSlider* slider);
    void OnMediumTone();
    void OnHighTone();
    void OnGraphMode();
    void OnSliderMode();
    void RestoreDefaults();
    void OnNewMix();
    void OnChooseOutput();
    void OnStartMix();

    // Playlist.
    void OnAddFiles();
    int AddFile(const QString& path);
    void OnDeleteEntry();
    void DeleteEntry(int i);
    void OnClearPlaylist();
    void OnMoveUp();
    void OnMoveDown();
    void UpdateLength();
    void UpdateRequiredSpace();
    void UpdateFreeSpace();

private:
    void CreateControls();
    void LoadBackground();
    void CreateButtons();
    void PlaceGraphEditor();
    void ConnectControls();
    QListWidget* NewListBox();
    int SelectedEntry() const;
    bool OutputIsAnEntry() const;

    CSkinSlider* m_sliderFlatBeat = nullptr;
    CSkinSlider* m_sliderDynamics = nullptr;
    CSkinSlider* m_sliderMinVolume = nullptr;
    CSkinSlider* m_sliderCarrier = nullptr;
    CSkinSlider* m_sliderFade = nullptr;
    QListWidget* m_listPlaylist = NewListBox();

    QString m_strFade;
    QString m_strCarrier;
    int m_nHighToneCheck = 0;
    int m_nMediumToneCheck = 0;
    QString m_strMinVolume;
    QString m_strDynamics;
    QString m_strFlatBeat;
    int m_nBeatMode = -1;
    QString m_strLength;
    QString m_strRequiredSpace;
    QString m_strFreeSpace;

    QPixmap m_bmpBackground;

    QString m_strOutputPath;
    QString m_strOutputName;
    int m_nFade = 0;
    int m_nCarrier = 0;
    int m_bHighTone = 0;
    int m_bMediumTone = 0;
    int m_nMinVolume = 0;
    int m_nDynamics = 0;

    CGraphDlg* m_graph = nullptr;
    CBeatCurve m_curve;
    int m_nTotalSeconds = 0;

    std::array<CHoverButton*, 10> m_buttons{};

    // The controls the data exchange binds, by template id.
    QLabel* m_staticFade = nullptr;         // 1070
    QLabel* m_staticCarrier = nullptr;      // 1066
    QLabel* m_staticMinVolume = nullptr;    // 1076
    QLabel* m_staticDynamics = nullptr;     // 1072
    QLabel* m_staticFlatBeat = nullptr;     // 1068
    QLabel* m_staticLength = nullptr;       // 1020
    QLabel* m_staticRequired = nullptr;     // 1021
    QLabel* m_staticFree = nullptr;         // 1022
    QLabel* m_staticOutputName = nullptr;   // 1117
    QCheckBox* m_checkHighTone = nullptr;   // 1036
    QCheckBox* m_checkMediumTone = nullptr; // 1035
    QRadioButton* m_radioGraph = nullptr;   // 1011
    QRadioButton* m_radioSlider = nullptr;  // 1010
    QButtonGroup* m_beatModeGroup = nullptr;
    QWidget* m_frameGraph = nullptr; // 1130, the hidden place holder of the graph editor

    // What the render run reads: the list box itself.
    CListBoxPlaylist m_playlist{*m_listPlaylist};
};

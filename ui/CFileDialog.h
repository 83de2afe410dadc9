#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// The program's two file dialogs for WAV files. Both are Qt's own (non-native) dialogs
// with the one filter "Windows PCM (*.wav)". After a successful dialog the current
// directory moves to the chosen file's folder, so the free-space readout follows the
// folder the user last chose.
class CFileDialog
{
public:
    enum class Mode
    {
        OpenFiles, // several existing files
        Save,      // one file; asks before an existing file is replaced
    };
    struct Request
    {
        Mode mode = Mode::OpenFiles;
        QString filter;
        QString defaultSuffix;
        QWidget* owner = nullptr;
    };
    // Returns the chosen full paths; an empty list means cancelled.
    using Answerer = std::function<QStringList(const Request&)>;

    static QString Filter();

    // The chosen files in the order the dialog returns them; empty when cancelled.
    static QStringList GetOpenFileNames(QWidget* owner);
    // The chosen full path, with ".wav" added when the name has no extension; empty when
    // cancelled.
    static QString GetSaveFileName(QWidget* owner);

    // Test seam: while an answerer is set it is asked instead of showing a dialog. An empty
    // answerer brings the real dialog back.
    static void SetAnswerer(Answerer answerer);
};

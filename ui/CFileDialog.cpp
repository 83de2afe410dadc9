#include "ui/CFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

CFileDialog::Answerer& TestAnswerer()
{
    static CFileDialog::Answerer answerer;
    return answerer;
}

QStringList RunRealDialog(const CFileDialog::Request& request)
{
    QFileDialog dialog(request.owner);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (request.mode == CFileDialog::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
    }
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QStringList Ask(CFileDialog::Mode mode, QWidget* owner)
{
    const CFileDialog::Request request{mode, CFileDialog::Filter(), QStringLiteral("wav"), owner};
    QStringList chosen = TestAnswerer() ? TestAnswerer()(request) : RunRealDialog(request);
    if (!chosen.isEmpty())
        QDir::setCurrent(QFileInfo(chosen.front()).absolutePath());
    return chosen;
}

} // namespace

QString CFileDialog::Filter()
{
    return QStringLiteral("Windows PCM (*.wav)");
}

QStringList CFileDialog::GetOpenFileNames(QWidget* owner)
{
    return Ask(Mode::OpenFiles, owner);
}

QString CFileDialog::GetSaveFileName(QWidget* owner)
{
    const QStringList chosen = Ask(Mode::Save, owner);
    if (chosen.isEmpty())
        return {};
    QString path = chosen.front();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".wav");
    return path;
}

void CFileDialog::SetAnswerer(Answerer answerer)
{
    TestAnswerer() = std::move(answerer);
}

#include "ui/OpenDocument.h"

#include <QDesktopServices>
#include <QUrl>

bool OpenDocument(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

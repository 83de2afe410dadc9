#include "res/Resources.h"

#include <QImage>

namespace res {
namespace {

struct BitmapFile
{
    int id;
    const char* name;
};

constexpr BitmapFile kBitmapFiles[] = {
    {kBitmapThumb, "thumb.png"},           {kBitmapChannel, "channel.png"},
    {kBitmapBackground, "background.png"}, {kBitmapStart, "strip-start.png"},
    {kBitmapRestore, "strip-restore.png"}, {kBitmapNew, "strip-new.png"},
    {kBitmapGuide, "strip-guide.png"},     {kBitmapAdd, "strip-add.png"},
    {kBitmapDelete, "strip-delete.png"},   {kBitmapClear, "strip-clear.png"},
    {kBitmapUp, "strip-up.png"},           {kBitmapDown, "strip-down.png"},
    {kBitmapOutput, "strip-output.png"},
};

constexpr int kHandHotSpotX = 7;
constexpr int kHandHotSpotY = 0;

QString ResourcePath(const QString& name)
{
    return QStringLiteral(":/res/pictures/") + name;
}

} // namespace

QColor BaseGrey()
{
    return QColor(kBaseGreyR, kBaseGreyG, kBaseGreyB);
}

QString BitmapFileName(int id)
{
    for (const BitmapFile& file : kBitmapFiles) {
        if (file.id == id)
            return QString::fromLatin1(file.name);
    }
    return {};
}

QPixmap LoadBitmap(int id)
{
    const QString name = BitmapFileName(id);
    if (name.isEmpty())
        return {};
    // Opaque 24-bit pictures: drop any alpha channel so they copy like a bitmap.
    QImage image(ResourcePath(name));
    if (image.isNull())
        return {};
    return QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
}

QIcon LoadAppIcon()
{
    QIcon icon;
    icon.addFile(ResourcePath(QString::fromLatin1(kIcon16File)), QSize(16, 16));
    icon.addFile(ResourcePath(QString::fromLatin1(kIcon32File)), QSize(32, 32));
    return icon;
}

QCursor LoadHandCursor()
{
    const QPixmap hand(ResourcePath(QString::fromLatin1(kHandCursorFile)));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    return QCursor(hand, kHandHotSpotX, kHandHotSpotY);
}

} // namespace res

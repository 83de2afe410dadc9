#include "BackgroundArt.h"
#include "ButtonArt.h"
#include "SmallArt.h"
#include "res/Resources.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "velmira-artgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s %dx%d\n", qPrintable(path), image.width(), image.height());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velmira-artgen <output folder, e.g. res/pictures>\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::fprintf(stderr, "velmira-artgen: no folder %s\n", argv[1]);
        return 1;
    }

    QHash<int, QImage> strips;
    bool ok = true;
    for (const art::ButtonDesign& design : art::ButtonDesigns()) {
        strips.insert(design.stripId, art::PaintStrip(design));
        ok &= Save(strips.value(design.stripId), folder, res::BitmapFileName(design.stripId));
    }
    ok &= Save(art::PaintBackground([&](int id) { return strips.value(id); }), folder,
               res::BitmapFileName(res::kBitmapBackground));
    ok &= Save(art::PaintThumb(), folder, res::BitmapFileName(res::kBitmapThumb));
    ok &= Save(art::PaintChannel(), folder, res::BitmapFileName(res::kBitmapChannel));
    ok &= Save(art::PaintIcon(16), folder, QString::fromLatin1(res::kIcon16File));
    ok &= Save(art::PaintIcon(32), folder, QString::fromLatin1(res::kIcon32File));
    ok &= Save(art::PaintHandCursor(), folder, QString::fromLatin1(res::kHandCursorFile));
    return ok ? 0 : 1;
}

// Renders the user's guide from Markdown to PDF at build time:
//   velmira-guidepdf <guide.md> <output.pdf>

#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: velmira-guidepdf <guide.md> <output.pdf>\n");
        return 2;
    }
    QGuiApplication app(argc, argv);

    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "velmira-guidepdf: cannot read %s\n", argv[1]);
        return 1;
    }
    QTextDocument document;
    document.setMarkdown(QString::fromUtf8(input.readAll()));
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));

    const QString outputPath = QString::fromLocal8Bit(argv[2]);
    {
        QPdfWriter writer(outputPath);
        writer.setTitle(QStringLiteral("Velmira Mixer - User's Guide"));
        writer.setCreator(QStringLiteral("Velmira Mixer"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter));
        document.print(&writer);
    }
    QFile output(outputPath);
    if (!output.exists() || output.size() == 0) {
        std::fprintf(stderr, "velmira-guidepdf: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

#include "app/CMixerApp.h"
#include "res/Resources.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmira"));
    QApplication::setWindowIcon(res::LoadAppIcon());

    CMixerApp mixerApp;
    mixerApp.InitInstance();
    return 0;
}

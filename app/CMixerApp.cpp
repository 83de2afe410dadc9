#include "app/CMixerApp.h"

#include "engine/StringTable.h"
#include "ui/CMessageBox.h"
#include "ui/CMixerDlg.h"

#include <QGuiApplication>
#include <QScreen>

ScreenSetting CMixerApp::ReadScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height(), screen->depth()};
}

bool CMixerApp::MeetsMinimum(const ScreenSetting& screen)
{
    // The message names 16 bits; a 15-bit display passes.
    return screen.width >= 800 && screen.height >= 600 && screen.bitsPerPixel >= 15;
}

void CMixerApp::InitInstance()
{
    InitInstance(ReadScreen());
}

void CMixerApp::InitInstance(const ScreenSetting& screen)
{
    if (!MeetsMinimum(screen)) {
        CMessageBox::ShowString(nullptr, IDS_SCREEN_TOO_SMALL, MessageKind::Error);
        return;
    }
    CMixerDlg dialog;
    dialog.DoModal();
}

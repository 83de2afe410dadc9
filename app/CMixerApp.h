#pragma once

// The display the program found at start-up.
struct ScreenSetting
{
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// The application: checks the screen, then runs the main window modally. There is no
// event loop outside the modal windows; the program ends when the main window closes.
class CMixerApp
{
public:
    // The primary screen as Qt reports it.
    static ScreenSetting ReadScreen();
    // At least 800 x 600 pixels and 15 bits per pixel.
    static bool MeetsMinimum(const ScreenSetting& screen);

    // Start-up with the primary screen; returns when the program is to end.
    void InitInstance();
    // Start-up with the given screen: the screen message, or the main window.
    void InitInstance(const ScreenSetting& screen);
};

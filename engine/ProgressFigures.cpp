#include "engine/ProgressFigures.h"

#include "engine/SecondsToHMS.h"

#include <climits>
#include <cstdio>

namespace {

std::string PercentText(const char* label, int percent)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s %d%%", label, percent);
    return text;
}

std::string FilesText(int number, int count)
{
    char text[64];
    std::snprintf(text, sizeof text, "Files %d / %d", number, count);
    return text;
}

double Fraction(uint32_t part, uint32_t whole)
{
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

} // namespace

ProgressFigures ProgressFigures::Make(uint32_t totalCount, uint32_t totalFrames,
                                      uint32_t frameInEntry, uint32_t entryFrames, int i,
                                      int entries, const std::string& name, int elapsed)
{
    if (elapsed < 0)
        elapsed = 0; // the wall clock was set back during the run
    const double x = Fraction(totalCount, totalFrames);
    ProgressFigures figures;
    figures.completed = static_cast<int>(x * 100.0);
    figures.current = static_cast<int>(Fraction(frameInEntry, entryFrames) * 100.0);
    figures.completedText = PercentText("Completed", figures.completed);
    figures.currentText = PercentText("Current", figures.current);
    figures.filesText = FilesText(i + 1, entries);
    figures.fileName = name;
    figures.elapsedText = FormatElapsed(elapsed);
    figures.remainingText = FormatRemaining(x, elapsed);
    return figures;
}

std::string FormatRemaining(double x, int elapsed)
{
    if (x == 0.0)
        return "---";
    const double r = elapsed * (1.0 / x) - elapsed;
    // A bound far beyond any real mix keeps the conversion defined.
    const int seconds = r >= static_cast<double>(INT_MAX) ? INT_MAX : static_cast<int>(r);
    return FormatHMS(seconds);
}

std::string FormatElapsed(int elapsed)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", (elapsed / 3600) % 24, (elapsed / 60) % 60,
                  elapsed % 60);
    return text;
}

#include "engine/PlaylistEntry.h"

#include "audio/CWaveFile.h"
#include "engine/SecondsToHMS.h"
#include "platform/CPlatformFile.h"

#include <cctype>
#include <filesystem>

namespace {

// Two decimal digits at text[at], or -1.
int TwoDigits(const std::string& text, size_t at)
{
    if (at + 1 >= text.size() || !std::isdigit(static_cast<unsigned char>(text[at])) ||
        !std::isdigit(static_cast<unsigned char>(text[at + 1])))
        return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

std::string MakeEntryText(int seconds, const std::string& title)
{
    return "[" + FormatHMS(seconds) + "]  " + title;
}

std::string FileTitleFromPath(const std::string& path)
{
    // Opened as the reader opens it: shared, with writers shut out.
    CPlatformFile file;
    if (file.OpenRead(path) != 0)
        return "";
    file.Close();
    return std::filesystem::path(path).stem().string();
}

int EntrySecondsFromText(const std::string& text)
{
    const int hours = TwoDigits(text, 1);
    const int minutes = TwoDigits(text, 4);
    const int seconds = TwoDigits(text, 7);
    if (hours < 0 || minutes < 0 || seconds < 0)
        return 0;
    return 3600 * hours + 60 * minutes + seconds;
}

int ReadEntry(const std::string& path, PlaylistEntry& out)
{
    CWaveFile wav;
    if (wav.OpenRead(path, 44100) != 0)
        return 1;
    const uint32_t frames = wav.GetFrameCount();
    const int rate = wav.GetSampleRate();
    wav.Close();
    out.seconds = static_cast<int>(frames / static_cast<uint32_t>(rate));
    out.path = path;
    out.text = MakeEntryText(out.seconds, FileTitleFromPath(path));
    return 0;
}

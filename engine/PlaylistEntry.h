#pragma once

#include <string>

// One playlist entry as the playlist shows it and the render run reads it.
struct PlaylistEntry
{
    std::string text; // "[hh:mm:ss]  title"
    std::string path; // full path of the file
    int seconds = 0;  // length in whole seconds, the same as the text shows
};

// "[%2.2d:%2.2d:%2.2d]  title" of a length in whole seconds.
std::string MakeEntryText(int seconds, const std::string& title);

// The file's name without its folder and extension; empty when the file cannot be
// opened for reading.
std::string FileTitleFromPath(const std::string& path);

// The length in whole seconds read back from a display text (characters 1-2, 4-5 and
// 7-8 are hours, minutes and seconds); 0 for a text that does not have that shape.
int EntrySecondsFromText(const std::string& text);

// Validates path as a playlist entry (a WAV file the reader accepts at 44100 frames a
// second) and fills out. 0 when accepted, 1 when refused.
int ReadEntry(const std::string& path, PlaylistEntry& out);

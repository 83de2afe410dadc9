#include "engine/StringTable.h"

#include <iterator>

namespace {

struct Entry
{
    int id;
    const char* text;
};

constexpr Entry kStrings[] = {
    {IDS_SCREEN_TOO_SMALL,
     "The Velmira Mixer requires the following minimal screen setting:\n\n\tScreen width\t800 "
     "pixels\n\tScreen height\t600 pixels\n\tColor quality\t16/24/32 bits\n\nPlease change your "
     "screen setting and run the program again.\n"},
    {IDS_INVALID_WAV, "TOLVA cannot recognize the file as a valid WAV sound file."},
    {IDS_INVALID_WAV_DETAILS,
     "\n\nPlease make sure the file is a valid WAV sound file according to these "
     "specifications:\t\n\n- Microsoft Pulse Code Modulation (PCM)\n- Mono (8 bits) or Stereo "
     "(16 bits)\n- Sampling rate: 11025, 22050 or 44100"},
    {IDS_TIP_START, "Start the velmira mixing process"},
    {IDS_TIP_RESTORE, "Restore all values to their original setting"},
    {IDS_TIP_NEW, "Start a new mixing"},
    {IDS_TIP_GUIDE, "Display the User's Guide"},
    {IDS_TIP_ADD, "Add song titles to the playlist"},
    {IDS_TIP_DELETE, "Delete the selected song title from the playlist"},
    {IDS_TIP_CLEAR, "Empty the playlist"},
    {IDS_TIP_UP, "Move up the selected song title"},
    {IDS_TIP_DOWN, "Move down the selected song title"},
    {IDS_TIP_OUTPUT, "Select the output sound file name"},
    {IDS_SELECT_OUTPUT, "Select a name for the output file."},
    {IDS_MIX_COMPLETED, "Velmira mixing completed successfully!"},
    {IDS_CANNOT_CREATE_OUTPUT, "Cannot create output file."},
    {IDS_CONFIRM_CANCEL, "Are you sure you want to cancel the velmira mixing?"},
    {IDS_CANNOT_OPEN_INPUT, "Cannot open input file: "},
    {IDS_CANNOT_READ_INPUT, "Cannot read from input file."},
    {IDS_CANNOT_WRITE_OUTPUT, "Cannot write to output file."},
    {IDS_OUTPUT_IS_INPUT,
     "The output file is one of the playlist's files. Please choose another name for the "
     "output file."},
    {IDS_MIX_TOO_LONG,
     "The mix is too long for a WAV sound file. Please keep the total length under 6 hours "
     "45 minutes."},
};

} // namespace

const char* LoadString(int id)
{
    for (const Entry& entry : kStrings)
        if (entry.id == id)
            return entry.text;
    return "";
}

#pragma once

// Every text the user reads in a message box or tool tip, by its number. The window
// layer and the command-line renderer show messages only from here.
enum StringId : int
{
    IDS_SCREEN_TOO_SMALL = 61566,
    IDS_INVALID_WAV = 61567,
    IDS_INVALID_WAV_DETAILS = 61568,
    IDS_TIP_START = 61570,
    IDS_TIP_RESTORE = 61571,
    IDS_TIP_NEW = 61572,
    IDS_TIP_GUIDE = 61573,
    IDS_TIP_ADD = 61574,
    IDS_TIP_DELETE = 61575,
    IDS_TIP_CLEAR = 61576,
    IDS_TIP_UP = 61577,
    IDS_TIP_DOWN = 61578,
    IDS_TIP_OUTPUT = 61579,
    IDS_SELECT_OUTPUT = 61580,
    IDS_MIX_COMPLETED = 61581,
    IDS_CANNOT_CREATE_OUTPUT = 61582,
    IDS_CONFIRM_CANCEL = 61583,
    IDS_CANNOT_OPEN_INPUT = 61584,
    IDS_CANNOT_READ_INPUT = 61585,
    IDS_CANNOT_WRITE_OUTPUT = 61586,
    IDS_OUTPUT_IS_INPUT = 61587,
    IDS_MIX_TOO_LONG = 61588,
};

// The text of string id; the empty string for a number the table does not hold.
const char* LoadString(int id);

#include "cli/RenderOptions.h"

#include "cli/CurveArgument.h"

#include <charconv>
#include <cstring>

namespace {

struct IntOption
{
    const char* name;
    int RenderOptions::*field;
    int low;
    int high;
    const char* unit;
};

constexpr IntOption kIntOptions[] = {
    {"--fade", &RenderOptions::fadeSeconds, 0, 20, "seconds"},
    {"--carrier", &RenderOptions::carrierHz, 100, 200, "Hz"},
    {"--min-volume", &RenderOptions::minVolume, 0, 100, "percent"},
    {"--dynamics", &RenderOptions::dynamics, 0, 100, "percent"},
    {"--beat", &RenderOptions::flatBeatHz, 0, 30, "Hz"},
};

const IntOption* FindIntOption(const std::string& name)
{
    for (const IntOption& option : kIntOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

bool ParseWholeNumber(const std::string& text, int& value)
{
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

bool SetIntOption(const IntOption& option, const std::string& text, RenderOptions& out,
                  std::string& error)
{
    int value = 0;
    if (!ParseWholeNumber(text, value) || value < option.low || value > option.high) {
        error = std::string(option.name) + " takes a whole number of " + option.unit + " from " +
                std::to_string(option.low) + " to " + std::to_string(option.high) + ", not '" +
                text + "'";
        return false;
    }
    out.*option.field = value;
    return true;
}

bool TakesValue(const std::string& name)
{
    return name == "-o" || name == "--output" || name == "--curve" ||
           FindIntOption(name) != nullptr;
}

// One option with its value (if it takes one).
bool ApplyOption(const std::string& name, const std::string& value, RenderOptions& out,
                 bool& beatGiven, std::string& error)
{
    if (name == "-o" || name == "--output") {
        if (value.empty()) {
            error = "the output file name is empty";
            return false;
        }
        out.output = value;
        return true;
    }
    if (name == "--medium") {
        out.mediumTone = true;
        return true;
    }
    if (name == "--high") {
        out.highTone = true;
        return true;
    }
    if (name == "-q" || name == "--quiet") {
        out.quiet = true;
        return true;
    }
    if (name == "--beat" || name == "--curve") {
        if (beatGiven) {
            error = "give the beat once: --beat HZ or --curve POINTS";
            return false;
        }
        beatGiven = true;
    }
    if (name == "--curve") {
        out.beat = RenderOptions::Beat::Points;
        if (!ParseCurveArgument(value, out.curvePoints, error)) {
            error = "--curve: " + error;
            return false;
        }
        return true;
    }
    if (const IntOption* option = FindIntOption(name)) {
        if (name == "--beat")
            out.beat = RenderOptions::Beat::Flat;
        return SetIntOption(*option, value, out, error);
    }
    error = "unknown option '" + name + "'";
    return false;
}

} // namespace

ParseStatus ParseRenderOptions(int argc, const char* const* argv, RenderOptions& out,
                               std::string& error)
{
    bool beatGiven = false;
    bool onlyFiles = false;
    for (int a = 1; a < argc; ++a) {
        const std::string arg = argv[a];
        if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
            out.inputs.push_back(arg);
            continue;
        }
        if (arg == "--") {
            onlyFiles = true;
            continue;
        }
        if (arg == "-h" || arg == "--help")
            return ParseStatus::Help;
        if (arg == "--version")
            return ParseStatus::Version;

        std::string name = arg;
        std::string value;
        const size_t equals = arg.find('=');
        const bool inlineValue = arg.rfind("--", 0) == 0 && equals != std::string::npos;
        if (inlineValue) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (TakesValue(name) && !inlineValue) {
            if (a + 1 >= argc) {
                error = name + " needs a value";
                return ParseStatus::UsageError;
            }
            value = argv[++a];
        } else if (!TakesValue(name) && inlineValue) {
            error = name + " takes no value";
            return ParseStatus::UsageError;
        }
        if (!ApplyOption(name, value, out, beatGiven, error))
            return ParseStatus::UsageError;
    }
    if (out.output.empty()) {
        error = "no output file: give one with -o OUT.wav";
        return ParseStatus::UsageError;
    }
    if (out.inputs.empty()) {
        error = "no input files: give the playlist's WAV files after the options";
        return ParseStatus::UsageError;
    }
    return ParseStatus::Render;
}

std::string UsageText()
{
    return "Usage: velmira-render -o OUT.wav [options] FILE...\n"
           "Renders the WAV files FILE... as one playlist, in order, into OUT.wav with a\n"
           "binaural beat tone mixed under the music.\n"
           "\n"
           "Options:\n"
           "  -o, --output OUT.wav   the output file (required)\n"
           "  --fade SECONDS         cross-fade between entries, 0..20 (default 10)\n"
           "  --carrier HZ           carrier frequency, 100..200 (default 110)\n"
           "  --min-volume PERCENT   minimum tone volume, 0..100 (default 10)\n"
           "  --dynamics PERCENT     how strongly the tone follows the music, 0..100\n"
           "                         (default 50)\n"
           "  --medium               add the second harmonic (Medium tone)\n"
           "  --high                 add the third harmonic (High tone)\n"
           "  --beat HZ              a flat beat frequency, 0..30 (default: the default\n"
           "                         curve, 20 Hz falling to 4 Hz, rising to 16 Hz)\n"
           "  --curve x:hz,...       a beat curve: points in x order from x = 0 (start of\n"
           "                         the mix) to x = 1 (end), hz 0..30; two points with\n"
           "                         the same x make a step, e.g. 0:20,0.1:4,0.9:4,1:16\n"
           "  -q, --quiet            no progress and no completion message\n"
           "  -h, --help             this text\n"
           "  --version              the version\n"
           "\n"
           "Exit status: 0 completed, 1 failed, 2 wrong usage, 130 cancelled (Ctrl-C\n"
           "finishes a valid file with the frames written so far).\n";
}

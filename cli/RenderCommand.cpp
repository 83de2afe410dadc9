#include "cli/RenderCommand.h"

#include "cli/CTerminalHost.h"
#include "cli/CurveArgument.h"
#include "cli/Interrupt.h"
#include "cli/RenderOptions.h"
#include "engine/CBeatCurve.h"
#include "engine/CEntryList.h"
#include "engine/CRenderRun.h"
#include "engine/MixLength.h"
#include "engine/StringTable.h"
#include "platform/SystemServices.h"

#include <cstdio>
#include <unistd.h>

#ifndef VELMIRA_VERSION
#define VELMIRA_VERSION "unknown"
#endif

namespace {

void PrintError(const std::string& text)
{
    std::fprintf(stderr, "velmira-render: %s\n", text.c_str());
}

// Every file validated and titled as the playlist's add does; false after reporting
// the first file refused.
bool BuildPlaylist(const std::vector<std::string>& paths, CEntryList& playlist)
{
    for (const std::string& path : paths) {
        PlaylistEntry entry;
        if (ReadEntry(path, entry) != 0) {
            PrintError(path + ": " + LoadString(IDS_INVALID_WAV) +
                       LoadString(IDS_INVALID_WAV_DETAILS));
            return false;
        }
        playlist.Add(entry);
    }
    return true;
}

bool OutputIsAnInput(const RenderOptions& options)
{
    for (const std::string& input : options.inputs)
        if (IsSameFile(options.output, input))
            return true;
    return false;
}

void BuildBeatCurve(const RenderOptions& options, CBeatCurve& curve)
{
    switch (options.beat) {
    case RenderOptions::Beat::DefaultCurve:
        BuildDefaultCurve(curve);
        break;
    case RenderOptions::Beat::Flat:
        curve.SetConstant(options.flatBeatHz * 0.03333333333333333);
        break;
    case RenderOptions::Beat::Points:
        BuildCurveFromPoints(options.curvePoints, curve);
        break;
    }
}

int TotalSeconds(const CEntryList& playlist, int fadeSeconds)
{
    std::vector<int> seconds;
    for (const PlaylistEntry& entry : playlist.Entries())
        seconds.push_back(entry.seconds);
    return TotalLengthSeconds(seconds, fadeSeconds);
}

} // namespace

int RunRenderCommand(const RenderOptions& options)
{
    CEntryList playlist;
    if (!BuildPlaylist(options.inputs, playlist))
        return 1;
    if (OutputIsAnInput(options)) {
        PrintError(LoadString(IDS_OUTPUT_IS_INPUT));
        return 1;
    }
    const int totalSeconds = TotalSeconds(playlist, options.fadeSeconds);
    if (!FitsWavSizeFields(totalSeconds)) {
        PrintError(LoadString(IDS_MIX_TOO_LONG));
        return 1;
    }

    CBeatCurve curve;
    BuildBeatCurve(options, curve);
    MixParams params;
    params.outputPath = options.output;
    params.playlist = &playlist;
    params.totalFrames = static_cast<uint32_t>(totalSeconds) * 44100u;
    params.fadeSeconds = options.fadeSeconds;
    params.carrierHz = options.carrierHz;
    params.highTone = options.highTone ? 1 : 0;
    params.mediumTone = options.mediumTone ? 1 : 0;
    params.dynamics = options.dynamics;
    params.minVolume = options.minVolume;
    params.curve = &curve;

    const bool showProgress = !options.quiet && isatty(STDERR_FILENO) != 0;
    CTerminalHost host(showProgress, !options.quiet);
    CRenderRun run(host);
    host.SetRun(&run);
    run.SetParams(params);
    if (Interrupted())
        return 130;
    run.RunMix();
    host.EndProgressLine();
    return host.ExitCode();
}

int RenderMain(int argc, const char* const* argv)
{
    InstallInterruptHandler();
    RenderOptions options;
    std::string error;
    switch (ParseRenderOptions(argc, argv, options, error)) {
    case ParseStatus::Help:
        std::fputs(UsageText().c_str(), stdout);
        return 0;
    case ParseStatus::Version:
        std::printf("velmira-render %s\n", VELMIRA_VERSION);
        return 0;
    case ParseStatus::UsageError:
        PrintError(error);
        std::fputs("Try 'velmira-render --help' for more information.\n", stderr);
        return 2;
    case ParseStatus::Render:
        break;
    }
    return RunRenderCommand(options);
}

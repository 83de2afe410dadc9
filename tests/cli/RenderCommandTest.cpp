#include "engine/CBeatCurve.h"
#include "engine/CEntryList.h"
#include "engine/CRenderRun.h"
#include "engine/IRenderHost.h"
#include "engine/MixLength.h"
#include "engine/StringTable.h"
#include "support/WavFixture.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <pty.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include <gtest/gtest.h>

extern char** environ;

namespace {

struct Result
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

std::string ReadText(const std::string& path)
{
    const fixture::Bytes bytes = fixture::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

int ExitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

std::vector<char*> Argv(std::vector<std::string>& args)
{
    args.insert(args.begin(), VELMIRA_RENDER);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    return argv;
}

// Starts the renderer with stdout and stderr going to files in dir.
pid_t Start(std::vector<std::string> args, const fixture::TempDir& dir)
{
    const std::vector<char*> argv = Argv(args);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, dir.Path("stdout").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, dir.Path("stderr").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return failed == 0 ? pid : -1;
}

Result Finish(pid_t pid, const fixture::TempDir& dir)
{
    Result result;
    int status = 0;
    if (pid > 0 && waitpid(pid, &status, 0) == pid)
        result.exitCode = ExitCodeOf(status);
    result.out = ReadText(dir.Path("stdout"));
    result.err = ReadText(dir.Path("stderr"));
    return result;
}

Result Render(const std::vector<std::string>& args, const fixture::TempDir& dir)
{
    return Finish(Start(args, dir), dir);
}

// A 16-bit stereo file of `frames` frames at `rate`.
std::string WritePattern(const fixture::TempDir& dir, const std::string& name, int frames,
                         int rate = 44100)
{
    return dir.Write(name, fixture::BuildPatternWav(frames, rate));
}

class QuietHost : public IRenderHost
{
public:
    void ShowMessage(int, const std::string&) override { ++messages; }
    void SetRemainingText(const std::string&) override {}
    void UpdateProgress(int, const std::string&, int) override {}
    void PumpMessages() override {}
    int64_t WallClockSeconds() override { return 0; }
    void HideAndShowCompletion() override { ++completions; }
    int messages = 0;
    int completions = 0;
};

// What the main window would hand to the run for the same files and settings.
fixture::Bytes RenderInProcess(const std::vector<std::string>& inputs, MixParams params,
                               const std::string& output)
{
    CEntryList playlist;
    std::vector<int> seconds;
    for (const std::string& path : inputs) {
        PlaylistEntry entry;
        EXPECT_EQ(ReadEntry(path, entry), 0);
        seconds.push_back(EntrySecondsFromText(entry.text));
        playlist.Add(entry);
    }
    params.outputPath = output;
    params.playlist = &playlist;
    params.totalFrames =
        static_cast<uint32_t>(TotalLengthSeconds(seconds, params.fadeSeconds)) * 44100u;
    QuietHost host;
    CRenderRun run(host);
    run.SetParams(params);
    run.RunMix();
    EXPECT_EQ(host.completions, 1);
    return fixture::ReadBytes(output);
}

TEST(RenderCommand, RendersWhatTheMainWindowWouldHandToTheRun)
{
    fixture::TempDir dir;
    const std::vector<std::string> inputs = {
        WritePattern(dir, "a.wav", 44100 * 3 + 100),
        WritePattern(dir, "b.wav", 22050 * 2 + 7, 22050),
        WritePattern(dir, "c.wav", 44100 * 2),
    };
    CBeatCurve defaultCurve;
    BuildDefaultCurve(defaultCurve);
    CBeatCurve flat;
    flat.SetConstant(7 * 0.03333333333333333);
    CBeatCurve drawn;
    drawn.Reset();
    drawn.SetPoint(0, 0.0, 0.0);
    drawn.SetPoint(1, 1.0, 12 / 30.0);
    const CurvePoint step1{0.5, 30 / 30.0};
    const CurvePoint step2{0.5, 4.5 / 30.0};
    drawn.InsertPoint(&step1);
    drawn.InsertPoint(&step2);

    struct Case
    {
        std::vector<std::string> options;
        MixParams params;
    };
    auto params = [](int fade, int carrier, int medium, int high, int dynamics, int minVolume,
                     const CBeatCurve* curve) {
        MixParams p;
        p.fadeSeconds = fade;
        p.carrierHz = carrier;
        p.mediumTone = medium;
        p.highTone = high;
        p.dynamics = dynamics;
        p.minVolume = minVolume;
        p.curve = curve;
        return p;
    };
    const Case cases[] = {
        {{"--fade", "1"}, params(1, 110, 0, 0, 50, 10, &defaultCurve)},
        {{"--fade=0", "--carrier", "150", "--medium", "--high", "--dynamics", "80", "--min-volume",
          "25", "--beat", "7"},
         params(0, 150, 1, 1, 80, 25, &flat)},
        {{"--fade", "1", "--high", "--curve", "0:0,0.5:30,0.5:4.5,1:12"},
         params(1, 110, 0, 1, 50, 10, &drawn)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.options));
        std::vector<std::string> args = {"-o", dir.Path("cli.wav")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.insert(args.end(), inputs.begin(), inputs.end());
        const Result result = Render(args, dir);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        EXPECT_EQ(result.out, std::string(LoadString(IDS_MIX_COMPLETED)) + "\n");
        EXPECT_EQ(result.err, ""); // no progress when stderr is not a terminal
        const fixture::Bytes expected = RenderInProcess(inputs, c.params, dir.Path("lib.wav"));
        EXPECT_GT(expected.size(), 44u + 4u * 44100u);
        EXPECT_TRUE(fixture::ReadBytes(dir.Path("cli.wav")) == expected);
    }
}

TEST(RenderCommand, QuietRunSaysNothing)
{
    fixture::TempDir dir;
    const Result result =
        Render({"-q", "-o", dir.Path("out.wav"), WritePattern(dir, "a.wav", 1000)}, dir);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(fixture::ReadBytes(dir.Path("out.wav")).size(), 44u); // under a second: 0 s
}

TEST(RenderCommand, RefusedInputIsNamedAndNothingIsWritten)
{
    fixture::TempDir dir;
    const std::string good = WritePattern(dir, "good.wav", 44100);
    const std::string bad = dir.Write("bad.wav", fixture::BuildWav(2, 48000, 16, {1, 2}));
    const Result result = Render({"-o", dir.Path("out.wav"), good, bad}, dir);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "velmira-render: " + bad + ": " + LoadString(IDS_INVALID_WAV) +
                              LoadString(IDS_INVALID_WAV_DETAILS) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.wav")));
}

TEST(RenderCommand, OutputThatIsOneOfTheInputsIsRefused)
{
    fixture::TempDir dir;
    const std::string input = WritePattern(dir, "a.wav", 44100);
    const fixture::Bytes before = fixture::ReadBytes(input);
    std::filesystem::create_directory(dir.Path("sub"));
    for (const std::string& output : {input, dir.Path("sub/../a.wav")}) {
        const Result result = Render({"-o", output, WritePattern(dir, "b.wav", 44100), input}, dir);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_EQ(result.err,
                  std::string("velmira-render: ") + LoadString(IDS_OUTPUT_IS_INPUT) + "\n");
        EXPECT_TRUE(fixture::ReadBytes(input) == before);
    }
}

TEST(RenderCommand, MixTooLongForAWavFileIsRefused)
{
    fixture::TempDir dir;
    // Headers only: 8-bit mono at 11025 Hz claiming 4 hours of data each.
    fixture::Bytes wav = fixture::BuildWav(1, 11025, 8, {128, 128});
    const uint32_t claimed = 11025u * 4 * 3600;
    wav[40] = claimed & 0xFF;
    wav[41] = (claimed >> 8) & 0xFF;
    wav[42] = (claimed >> 16) & 0xFF;
    wav[43] = claimed >> 24;
    const std::string input = dir.Write("long.wav", wav);

    const Result twoFiles = Render({"-o", dir.Path("out.wav"), input, input}, dir);
    EXPECT_EQ(twoFiles.exitCode, 1);
    EXPECT_EQ(twoFiles.err, std::string("velmira-render: ") + LoadString(IDS_MIX_TOO_LONG) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.wav")));
}

TEST(RenderCommand, UsageErrorsExitWithTwoAndWriteNothing)
{
    fixture::TempDir dir;
    const std::string input = WritePattern(dir, "a.wav", 44100);
    const std::string out = dir.Path("out.wav");
    const std::vector<std::vector<std::string>> cases = {
        {input},
        {"-o", out},
        {"-o", out, "--fade", "21", input},
        {"-o", out, "--carrier", "ten", input},
        {"-o", out, "--beat", "31", input},
        {"-o", out, "--curve", "0:1,0.5:2", input},
        {"-o", out, "--what", input},
    };
    for (const std::vector<std::string>& args : cases) {
        const Result result = Render(args, dir);
        EXPECT_EQ(result.exitCode, 2) << ::testing::PrintToString(args);
        EXPECT_NE(result.err.find("velmira-render --help"), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST(RenderCommand, HelpAndVersion)
{
    fixture::TempDir dir;
    const Result help = Render({"--help"}, dir);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: velmira-render -o OUT.wav [options] FILE...", 0), 0u);
    const Result version = Render({"--version"}, dir);
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "velmira-render 1.0.0\n");
}

TEST(RenderCommand, RunFailureExitsWithOneAndTheRunsMessage)
{
    fixture::TempDir dir;
    const Result result =
        Render({"-o", dir.Path("missing/out.wav"), WritePattern(dir, "a.wav", 44100)}, dir);
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, "velmira-render: Cannot create output file.\n");
    EXPECT_EQ(result.out, "");
}

TEST(RenderCommand, CtrlCFinishesAValidFileAndExitsWith130)
{
    fixture::TempDir dir;
    // Ten minutes of mix from a small file: 30 s of 8-bit mono at 11025 Hz, 20 times.
    const std::string input =
        dir.Write("a.wav", fixture::BuildWav(1, 11025, 8, std::vector<int>(11025 * 30, 140)));
    std::vector<std::string> args = {"--fade", "0", "-o", dir.Path("out.wav")};
    args.insert(args.end(), 20, input);
    const pid_t pid = Start(args, dir);
    ASSERT_GT(pid, 0);
    // Wait until frames are reaching the file, then interrupt.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    auto written = [&dir] {
        std::error_code ec;
        const uintmax_t size = std::filesystem::file_size(dir.Path("out.wav"), ec);
        return ec ? 0 : size;
    };
    while (written() < 200000 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    kill(pid, SIGINT);
    const Result result = Finish(pid, dir);
    EXPECT_EQ(result.exitCode, 130) << result.err;
    EXPECT_EQ(result.out, ""); // no completion

    const fixture::Bytes bytes = fixture::ReadBytes(dir.Path("out.wav"));
    ASSERT_GE(bytes.size(), 44u);
    const uint32_t data = fixture::GetU32(bytes, 40);
    EXPECT_GT(data, 0u);
    EXPECT_LT(data, 4u * 44100u * 600u);
    EXPECT_EQ(bytes.size(), 44u + data);
    EXPECT_EQ(fixture::GetU32(bytes, 4), 36u + data);
}

// Runs the renderer with a terminal as its stdin, stdout and stderr; returns all it wrote.
std::string RenderOnATerminal(std::vector<std::string> args, int& exitCode)
{
    const std::vector<char*> argv = Argv(args);
    int master = -1;
    const pid_t pid = forkpty(&master, nullptr, nullptr, nullptr);
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(master, buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<size_t>(n));
    close(master);
    int status = 0;
    waitpid(pid, &status, 0);
    exitCode = ExitCodeOf(status);
    return text;
}

TEST(RenderCommand, ProgressIsRedrawnInPlaceOnATerminal)
{
    fixture::TempDir dir;
    const std::string input = WritePattern(dir, "Song.wav", 44100 * 2);
    int exitCode = -1;
    const std::string shown = RenderOnATerminal({"-o", dir.Path("out.wav"), input}, exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_NE(shown.find("\rCompleted 0%  Current 0%  Files 1 / 1  00:00:00  left ---  Song"),
              std::string::npos)
        << shown;
    EXPECT_NE(shown.find(LoadString(IDS_MIX_COMPLETED)), std::string::npos);

    const std::string quiet = RenderOnATerminal({"-q", "-o", dir.Path("out.wav"), input}, exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(quiet, "");
}

} // namespace

#include "MixModel.h"
#include "engine/CBeatCurve.h"
#include "engine/CEntryList.h"
#include "engine/CRenderRun.h"
#include "engine/IRenderHost.h"
#include "engine/MixLength.h"
#include "engine/StringTable.h"
#include "support/WavFixture.h"

#include <csignal>
#include <sys/resource.h>

#include <gtest/gtest.h>

namespace {

using model::Frames;

constexpr uint32_t kRate = 44100;

struct Update
{
    int i;
    ProgressFigures figures;
};

// A host that records what the run tells it; its clock advances clockStep seconds at
// every progress update, and it can confirm a cancel at a given pump.
class RecordingHost : public IRenderHost
{
public:
    CRenderRun* run = nullptr;
    std::vector<std::string> messages;
    std::vector<int> messageIds;
    std::vector<std::string> remainingTexts;
    std::vector<Update> updates;
    uint64_t pumps = 0;
    uint64_t cancelAtPump = 0; // 0: never
    int64_t clock = 1000;
    int64_t clockStep = 0;
    int completions = 0;

    void ShowMessage(int id, const std::string& text) override
    {
        messageIds.push_back(id);
        messages.push_back(text);
    }
    void SetRemainingText(const std::string& text) override { remainingTexts.push_back(text); }
    void UpdateProgress(int i, const std::string& name, int elapsed) override
    {
        updates.push_back({i, run->GetProgressFigures(i, name, elapsed)});
        clock += clockStep;
    }
    void PumpMessages() override
    {
        if (++pumps == cancelAtPump)
            run->Stop();
    }
    int64_t WallClockSeconds() override { return clock; }
    void HideAndShowCompletion() override { ++completions; }
};

class RenderRunTest : public ::testing::Test
{
protected:
    RenderRunTest()
    {
        BuildDefaultCurve(curve);
        params.outputPath = dir.Path("out.wav");
        params.playlist = &playlist;
        params.curve = &curve;
        host.run = &run;
    }

    void AddEntry(const std::string& title, const fixture::Bytes& wav)
    {
        PlaylistEntry entry;
        ASSERT_EQ(ReadEntry(dir.Write(title + ".wav", wav), entry), 0);
        playlist.Add(entry);
    }

    void AddEntry(const std::string& title, const Frames& frames)
    {
        AddEntry(title, model::WavOf(frames));
    }

    // An entry whose file is gone by the time the run needs it.
    void AddMissingEntry(const std::string& title)
    {
        playlist.Add({MakeEntryText(1, title), dir.Path(title + ".wav"), 1});
    }

    int TotalSeconds() const
    {
        std::vector<int> seconds;
        for (const PlaylistEntry& entry : playlist.Entries())
            seconds.push_back(entry.seconds);
        return TotalLengthSeconds(seconds, params.fadeSeconds);
    }

    void Run(uint32_t totalFrames)
    {
        params.totalFrames = totalFrames;
        run.SetParams(params);
        run.RunMix();
    }

    void RunWholeMix() { Run(static_cast<uint32_t>(TotalSeconds()) * kRate); }

    fixture::Bytes Output() const { return fixture::ReadBytes(params.outputPath); }

    Frames OutputFrames() const
    {
        const fixture::Bytes bytes = Output();
        Frames frames;
        for (size_t at = 44; at + 4 <= bytes.size(); at += 4)
            frames.push_back(Frame{static_cast<int16_t>(bytes[at] | bytes[at + 1] << 8),
                                   static_cast<int16_t>(bytes[at + 2] | bytes[at + 3] << 8)});
        return frames;
    }

    // The file holds `frames` frames and its size fields say so (or stay 0 when unpatched).
    void ExpectFile(uint32_t frames, bool patched) const
    {
        const fixture::Bytes bytes = Output();
        ASSERT_EQ(bytes.size(), 44u + 4u * frames);
        EXPECT_EQ(fixture::GetU32(bytes, 4), patched ? 36u + 4u * frames : 0u);
        EXPECT_EQ(fixture::GetU32(bytes, 40), patched ? 4u * frames : 0u);
    }

    void ExpectOutputEquals(const model::Music& music) const
    {
        const Frames expected = model::Mix(music, params);
        const Frames actual = OutputFrames();
        ASSERT_EQ(actual.size(), expected.size());
        for (size_t n = 0; n < expected.size(); ++n) {
            ASSERT_EQ(actual[n].left, expected[n].left) << "frame " << n;
            ASSERT_EQ(actual[n].right, expected[n].right) << "frame " << n;
        }
    }

    fixture::TempDir dir;
    CEntryList playlist;
    CBeatCurve curve;
    MixParams params;
    RecordingHost host;
    CRenderRun run{host};
};

TEST_F(RenderRunTest, EmptyPlaylistGivesHeaderOnlyFileAndCompletion)
{
    RunWholeMix();
    ExpectFile(0, true);
    EXPECT_EQ(host.completions, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(run.IsRunning());
}

TEST_F(RenderRunTest, SingleEntryPlaysWholeWithoutCrossfadeAndOnePumpPerFrame)
{
    const Frames a = model::Pattern(10 * kRate, 1);
    AddEntry("a", a);
    params.fadeSeconds = 5;
    RunWholeMix();

    model::Music music;
    music.BeginEntry();
    music.Play(a, 0, a.size());
    ExpectFile(10 * kRate, true);
    ExpectOutputEquals(music);
    EXPECT_EQ(host.pumps, 10u * kRate);
    EXPECT_EQ(host.completions, 1);
    EXPECT_EQ(host.remainingTexts, std::vector<std::string>{"---"});
}

TEST_F(RenderRunTest, NextEntryContinuesWhereItsCrossfadeLeftIt)
{
    const Frames a = model::Pattern(30 * kRate, 1);
    const Frames b = model::Pattern(40 * kRate, 2);
    AddEntry("a", a);
    AddEntry("b", b);
    params.fadeSeconds = 10;
    params.mediumTone = 1;
    ASSERT_EQ(TotalSeconds(), 60);
    RunWholeMix();

    model::Music music;
    music.BeginEntry();
    music.Play(a, 0, 20 * kRate);
    music.Fade(a, 20 * kRate, b, 0, 10 * kRate, 10 * kRate);
    music.BeginEntry();
    music.Play(b, 10 * kRate, 30 * kRate);
    ExpectFile(60 * kRate, true); // the total is reached with the playlist's last frame
    ExpectOutputEquals(music);
    EXPECT_EQ(host.completions, 1);
}

TEST_F(RenderRunTest, LowerRateEntriesContributeTheirFullLength)
{
    for (const int rate : {22050, 11025}) {
        SCOPED_TRACE(rate);
        playlist = CEntryList();
        const std::vector<int> samples(static_cast<size_t>(20 * rate), 200); // 8-bit mono
        AddEntry("low", fixture::BuildWav(1, rate, 8, samples));
        ASSERT_EQ(TotalSeconds(), 20);
        host.completions = 0;
        Run(30 * kRate); // more than the playlist holds: it is exhausted first
        ExpectFile(20 * kRate, true);
        EXPECT_EQ(host.completions, 1);
    }
}

TEST_F(RenderRunTest, CancelKeepsTheFrameInHandAndLeavesAValidFile)
{
    AddEntry("a", model::Pattern(2 * kRate, 1));
    host.cancelAtPump = 1000;
    RunWholeMix();
    ExpectFile(1000, true);
    EXPECT_TRUE(run.WasCancelled());
    EXPECT_EQ(host.completions, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RenderRunTest, MissingEntryStopsTheRunWithItsNameAndSizesZero)
{
    AddEntry("a", model::Pattern(kRate, 1));
    AddMissingEntry("Gone Song");
    params.fadeSeconds = 0;
    RunWholeMix();
    ExpectFile(kRate, false);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messageIds[0], IDS_CANNOT_OPEN_INPUT);
    EXPECT_EQ(host.messages[0], "Cannot open input file:   Gone Song");
    EXPECT_EQ(host.completions, 0);
}

TEST_F(RenderRunTest, MissingEntryNeededForACrossfadeStopsTheRunToo)
{
    AddEntry("a", model::Pattern(3 * kRate, 1));
    AddMissingEntry("Gone");
    params.fadeSeconds = 1;
    Run(3 * kRate);
    ExpectFile(2 * kRate, false); // opened at the cross-fade's first frame
    EXPECT_EQ(host.messages, std::vector<std::string>{"Cannot open input file:   Gone"});
}

TEST_F(RenderRunTest, TotalReachedMidEntryCompletesWithoutReadingFurther)
{
    AddEntry("a", model::Pattern(2 * kRate, 1));
    AddMissingEntry("never read");
    params.fadeSeconds = 0;
    Run(kRate);
    ExpectFile(kRate, true);
    EXPECT_EQ(host.completions, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RenderRunTest, UncreatableOutputShowsItsMessageOnly)
{
    AddEntry("a", model::Pattern(kRate, 1));
    params.outputPath = dir.Path("no such folder/out.wav");
    RunWholeMix();
    EXPECT_EQ(host.messageIds, std::vector<int>{IDS_CANNOT_CREATE_OUTPUT});
    EXPECT_EQ(host.messages, std::vector<std::string>{"Cannot create output file."});
    EXPECT_EQ(host.completions, 0);
    EXPECT_EQ(host.pumps, 0u);
}

TEST_F(RenderRunTest, ProgressStartsAtFrameZeroAndFollowsTheEntries)
{
    AddEntry("First", model::Pattern(kRate, 1));
    AddEntry("Second", model::Pattern(kRate, 2));
    params.fadeSeconds = 0;
    host.clockStep = 1; // one second passes after each update
    RunWholeMix();

    ASSERT_EQ(host.updates.size(), 4u); // frames 0, 22050, 44100, 66150
    const ProgressFigures& first = host.updates[0].figures;
    EXPECT_EQ(first.completed, 0);
    EXPECT_EQ(first.current, 0);
    EXPECT_EQ(first.completedText, "Completed 0%");
    EXPECT_EQ(first.currentText, "Current 0%");
    EXPECT_EQ(first.filesText, "Files 1 / 2");
    EXPECT_EQ(first.fileName, "First");
    EXPECT_EQ(first.elapsedText, "00:00:00");
    EXPECT_EQ(first.remainingText, "---");

    const ProgressFigures& second = host.updates[1].figures;
    EXPECT_EQ(second.completedText, "Completed 25%");
    EXPECT_EQ(second.currentText, "Current 50%");
    EXPECT_EQ(second.elapsedText, "00:00:01");
    EXPECT_EQ(second.remainingText, "00:00:03");

    const ProgressFigures& third = host.updates[2].figures;
    EXPECT_EQ(host.updates[2].i, 1);
    EXPECT_EQ(third.filesText, "Files 2 / 2");
    EXPECT_EQ(third.fileName, "Second");
    EXPECT_EQ(third.completedText, "Completed 50%");
    EXPECT_EQ(third.currentText, "Current 0%");
}

TEST_F(RenderRunTest, ProgressIsShownOnlyWhenTheElapsedSecondsGrow)
{
    AddEntry("a", model::Pattern(2 * kRate, 1));
    RunWholeMix(); // the clock stands still
    ASSERT_EQ(host.updates.size(), 1u);
    EXPECT_EQ(host.updates[0].figures.elapsedText, "00:00:00");
}

TEST_F(RenderRunTest, CrossfadeWeightStopsAtOneBeyondTheFade)
{
    // Full-scale opposite entries: a weight above 1 would wrap the samples round.
    const Frames a = model::Constant(kRate * 5 / 2, 30000, -30000);
    const Frames b = model::Constant(2 * kRate, -30000, 30000);
    struct Case
    {
        int fade;
    };
    for (const Case c : {Case{1}, Case{0}}) {
        SCOPED_TRACE(c.fade);
        playlist = CEntryList();
        AddEntry("a", a);
        AddEntry("b", b);
        params.fadeSeconds = c.fade;
        const uint32_t fadeFrames = static_cast<uint32_t>(c.fade) * kRate;
        const uint32_t window = fadeFrames + kRate / 2; // to the end of a
        RunWholeMix();

        model::Music music;
        music.BeginEntry();
        music.Play(a, 0, a.size() - window);
        music.Fade(a, a.size() - window, b, 0, window, fadeFrames);
        music.BeginEntry();
        music.Play(b, window, b.size() - fadeFrames);
        ExpectOutputEquals(music);
        EXPECT_EQ(host.messages.size(), 0u);
    }
}

TEST_F(RenderRunTest, JointsThatCannotCrossfadePlayTheNextEntryFromItsStart)
{
    const Frames e1 = model::Pattern(kRate, 1);
    const Frames e3a = model::Pattern(3 * kRate, 2);
    const Frames e3b = model::Pattern(3 * kRate, 3);
    const Frames e3c = model::Pattern(3 * kRate, 4);
    const uint32_t fade = 2 * kRate;

    {
        SCOPED_TRACE("first entry shorter than the fade");
        playlist = CEntryList();
        AddEntry("one", e1);
        AddEntry("three", e3a);
        params.fadeSeconds = 2;
        RunWholeMix();
        model::Music music;
        music.BeginEntry();
        music.Play(e1, 0, kRate);
        music.BeginEntry();
        music.Play(e3a, 0, 3 * kRate);
        ExpectFile(4 * kRate, true);
        ExpectOutputEquals(music);
    }
    {
        SCOPED_TRACE("next entry shorter than the fade");
        playlist = CEntryList();
        AddEntry("three", e3a);
        AddEntry("one", e1);
        RunWholeMix();
        model::Music music;
        music.BeginEntry();
        music.Play(e3a, 0, 3 * kRate);
        music.BeginEntry();
        music.Play(e1, 0, kRate);
        ExpectFile(4 * kRate, true);
        ExpectOutputEquals(music);
    }
    {
        SCOPED_TRACE("own part left shorter than the fade by the cross-fade before");
        playlist = CEntryList();
        AddEntry("a", e3a);
        AddEntry("b", e3b);
        AddEntry("c", e3c);
        RunWholeMix();
        model::Music music;
        music.BeginEntry();
        music.Play(e3a, 0, kRate);
        music.Fade(e3a, kRate, e3b, 0, fade, fade);
        music.BeginEntry();
        music.Play(e3b, fade, kRate);
        music.BeginEntry();
        music.Play(e3c, 0, 3 * kRate);
        ExpectFile(7 * kRate, true);
        ExpectOutputEquals(music);
    }
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(RenderRunTest, ZeroTotalWritesNoFrameAndOpensNoEntry)
{
    AddMissingEntry("never read");
    Run(0);
    ExpectFile(0, true);
    EXPECT_EQ(host.completions, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(host.pumps, 0u);
}

// Lets the test process write files of at most `bytes` bytes; a longer write fails with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_saved{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(RenderRunTest, FailedWriteStopsTheRunWithItsMessageAndSizesZero)
{
    struct Case
    {
        const char* when;
        uint32_t frames; // of the mix
    };
    // A short mix stays in the writer's buffer until the sizes are patched; a long one
    // meets the limit in the middle of the run.
    for (const Case c : {Case{"at the end", 1000}, Case{"during the run", 2 * kRate}}) {
        SCOPED_TRACE(c.when);
        playlist = CEntryList();
        AddEntry("a", model::Pattern(2 * kRate, 1));
        host.messages.clear();
        host.pumps = 0;
        {
            const FileSizeLimit limit(44 + 4 * 500);
            Run(c.frames);
        }
        EXPECT_EQ(host.messages, std::vector<std::string>{"Cannot write to output file."});
        EXPECT_EQ(host.completions, 0);
        EXPECT_LT(host.pumps, 2u * kRate);
        const fixture::Bytes bytes = Output();
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(fixture::GetU32(bytes, 4), 0u);
        EXPECT_EQ(fixture::GetU32(bytes, 40), 0u);
    }
}

} // namespace

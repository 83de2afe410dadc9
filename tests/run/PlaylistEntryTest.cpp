#include "engine/PlaylistEntry.h"
#include "support/WavFixture.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaylistEntry, TextIsTheLengthThenTwoSpacesAndTheTitle)
{
    EXPECT_EQ(MakeEntryText(205, "Song"), "[00:03:25]  Song");
    EXPECT_EQ(MakeEntryText(0, ""), "[00:00:00]  ");
    EXPECT_EQ(MakeEntryText(100 * 3600 + 1, "Long"), "[100:00:01]  Long");
}

TEST(PlaylistEntry, SecondsAreReadBackFromTheText)
{
    EXPECT_EQ(EntrySecondsFromText("[01:02:05]  x"), 3725);
    EXPECT_EQ(EntrySecondsFromText(MakeEntryText(99 * 3600 + 59 * 60 + 59, "t")), 359999);
    EXPECT_EQ(EntrySecondsFromText("[0x:00:00]"), 0);
    EXPECT_EQ(EntrySecondsFromText(""), 0);
}

TEST(PlaylistEntry, TitleIsTheNameWithoutFolderAndExtension)
{
    fixture::TempDir dir;
    EXPECT_EQ(FileTitleFromPath(dir.Write("My Song.wav", {1, 2, 3})), "My Song");
    EXPECT_EQ(FileTitleFromPath(dir.Write("take.2.wav", {1})), "take.2");
    EXPECT_EQ(FileTitleFromPath(dir.Write("noext", {1})), "noext");
    EXPECT_EQ(FileTitleFromPath(dir.Path("missing.wav")), "");
}

TEST(PlaylistEntry, ReadEntryValidatesAndDropsTheLastSecondsFraction)
{
    fixture::TempDir dir;
    // 3.5 s at 22050 Hz, 16-bit mono.
    const std::vector<int> samples(22050 * 7 / 2, 100);
    const std::string path = dir.Write("Song.wav", fixture::BuildWav(1, 22050, 16, samples));
    PlaylistEntry entry;
    ASSERT_EQ(ReadEntry(path, entry), 0);
    EXPECT_EQ(entry.seconds, 3);
    EXPECT_EQ(entry.text, "[00:00:03]  Song");
    EXPECT_EQ(entry.path, path);

    PlaylistEntry refused;
    EXPECT_EQ(ReadEntry(dir.Write("bad.wav", {'R', 'I', 'F', 'F'}), refused), 1);
    EXPECT_EQ(ReadEntry(dir.Path("missing.wav"), refused), 1);
    EXPECT_EQ(ReadEntry(dir.Write("rate.wav", fixture::BuildWav(2, 48000, 16, {1, 2})), refused),
              1);
}

} // namespace

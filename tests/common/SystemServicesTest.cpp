#include "platform/SystemServices.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

TEST(SystemServices, SameFileFollowsLinksAndDifferentSpellings)
{
    const fs::path dir = fs::temp_directory_path() / "velmira_same_file_test";
    fs::create_directories(dir / "sub");
    std::ofstream(dir / "a.wav") << "a";
    std::ofstream(dir / "b.wav") << "b";
    fs::remove(dir / "link.wav");
    fs::create_symlink(dir / "a.wav", dir / "link.wav");

    EXPECT_TRUE(IsSameFile((dir / "a.wav").string(), (dir / "sub" / ".." / "a.wav").string()));
    EXPECT_TRUE(IsSameFile((dir / "a.wav").string(), (dir / "link.wav").string()));
    EXPECT_FALSE(IsSameFile((dir / "a.wav").string(), (dir / "b.wav").string()));
    EXPECT_FALSE(IsSameFile((dir / "a.wav").string(), (dir / "missing.wav").string()));
    fs::remove_all(dir);
}

TEST(SystemServices, FreeSpaceAndExecutableFolder)
{
    uint64_t bytes = 0;
    EXPECT_TRUE(GetFreeDiskBytes(".", bytes));
    EXPECT_GT(bytes, 0u);
    EXPECT_FALSE(GetFreeDiskBytes("/no/such/folder/anywhere", bytes));
    EXPECT_TRUE(fs::is_directory(GetExecutableDir()));
    EXPECT_GT(WallClockSeconds(), 1700000000);
}

#include "WaveFuzzHarness.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<uint8_t> ReadInput(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

// Every input that ever upset the fuzz target is replayed through the same checks.
TEST(FuzzRegressions, EveryStoredInputReadsCleanly)
{
    const std::filesystem::path folder = VELMIRA_FUZZ_REGRESSIONS;
    ASSERT_TRUE(std::filesystem::is_directory(folder)) << folder;
    int replayed = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (!entry.is_regular_file() || entry.path().extension() == ".md")
            continue;
        const std::vector<uint8_t> input = ReadInput(entry.path());
        EXPECT_EQ(ReplayWaveInput(input.data(), input.size()), "") << entry.path().filename();
        ++replayed;
    }
    EXPECT_GT(replayed, 0) << "no regression inputs found in " << folder;
}

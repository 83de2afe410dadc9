#include "cli/RenderOptions.h"

#include <gtest/gtest.h>

namespace {

ParseStatus Parse(std::vector<const char*> args, RenderOptions& options, std::string& error)
{
    args.insert(args.begin(), "velmira-render");
    return ParseRenderOptions(static_cast<int>(args.size()), args.data(), options, error);
}

TEST(RenderOptions, DefaultsAreTheMainWindowsDefaults)
{
    RenderOptions options;
    std::string error;
    ASSERT_EQ(Parse({"-o", "out.wav", "a.wav", "b.wav"}, options, error), ParseStatus::Render);
    EXPECT_EQ(options.output, "out.wav");
    EXPECT_EQ(options.inputs, (std::vector<std::string>{"a.wav", "b.wav"}));
    EXPECT_EQ(options.fadeSeconds, 10);
    EXPECT_EQ(options.carrierHz, 110);
    EXPECT_EQ(options.minVolume, 10);
    EXPECT_EQ(options.dynamics, 50);
    EXPECT_FALSE(options.mediumTone);
    EXPECT_FALSE(options.highTone);
    EXPECT_FALSE(options.quiet);
    EXPECT_EQ(options.beat, RenderOptions::Beat::DefaultCurve);
}

TEST(RenderOptions, EveryOptionIsReadInEitherSpelling)
{
    RenderOptions options;
    std::string error;
    ASSERT_EQ(
        Parse({"a.wav", "--fade=0", "--carrier", "200", "--min-volume=100", "--dynamics", "0",
               "--medium", "--high", "--beat", "30", "-q", "--output=o.wav", "--", "-dash.wav"},
              options, error),
        ParseStatus::Render)
        << error;
    EXPECT_EQ(options.output, "o.wav");
    EXPECT_EQ(options.inputs, (std::vector<std::string>{"a.wav", "-dash.wav"}));
    EXPECT_EQ(options.fadeSeconds, 0);
    EXPECT_EQ(options.carrierHz, 200);
    EXPECT_EQ(options.minVolume, 100);
    EXPECT_EQ(options.dynamics, 0);
    EXPECT_TRUE(options.mediumTone);
    EXPECT_TRUE(options.highTone);
    EXPECT_TRUE(options.quiet);
    EXPECT_EQ(options.beat, RenderOptions::Beat::Flat);
    EXPECT_EQ(options.flatBeatHz, 30);

    RenderOptions curved;
    ASSERT_EQ(Parse({"-o", "o.wav", "--curve", "0:4,0.5:30,1:0", "a.wav"}, curved, error),
              ParseStatus::Render);
    EXPECT_EQ(curved.beat, RenderOptions::Beat::Points);
    ASSERT_EQ(curved.curvePoints.size(), 3u);
    EXPECT_EQ(curved.curvePoints[1].y, 1.0);
}

TEST(RenderOptions, WrongCommandLinesAreExplained)
{
    struct Case
    {
        std::vector<const char*> args;
        const char* explanation;
    };
    const Case cases[] = {
        {{"a.wav"}, "no output file"},
        {{"-o", "o.wav"}, "no input files"},
        {{"-o"}, "-o needs a value"},
        {{"-o", "", "a.wav"}, "output file name is empty"},
        {{"-o", "o.wav", "--fade", "21", "a.wav"},
         "--fade takes a whole number of seconds from 0 to 20, not '21'"},
        {{"-o", "o.wav", "--fade=-1", "a.wav"}, "--fade takes"},
        {{"-o", "o.wav", "--carrier", "99", "a.wav"},
         "--carrier takes a whole number of Hz from 100 to 200"},
        {{"-o", "o.wav", "--carrier", "1e2", "a.wav"}, "not '1e2'"},
        {{"-o", "o.wav", "--min-volume", "101", "a.wav"}, "--min-volume takes"},
        {{"-o", "o.wav", "--dynamics", "", "a.wav"}, "--dynamics takes"},
        {{"-o", "o.wav", "--beat", "4.5", "a.wav"},
         "--beat takes a whole number of Hz from 0 to 30"},
        {{"-o", "o.wav", "--beat", "4", "--curve", "0:1,1:1", "a.wav"}, "give the beat once"},
        {{"-o", "o.wav", "--curve", "0:1", "a.wav"}, "--curve: "},
        {{"-o", "o.wav", "--medium=1", "a.wav"}, "--medium takes no value"},
        {{"-o", "o.wav", "--loud", "a.wav"}, "unknown option '--loud'"},
        {{"-o", "o.wav", "a.wav", "--fade"}, "--fade needs a value"},
    };
    for (const Case& c : cases) {
        RenderOptions options;
        std::string error;
        EXPECT_EQ(Parse(c.args, options, error), ParseStatus::UsageError) << c.explanation;
        EXPECT_NE(error.find(c.explanation), std::string::npos)
            << "error: " << error << "\nexpected: " << c.explanation;
    }
}

TEST(RenderOptions, HelpAndVersionWinOverEverythingElse)
{
    RenderOptions options;
    std::string error;
    EXPECT_EQ(Parse({"--fade", "99", "--help"}, options, error), ParseStatus::UsageError);
    EXPECT_EQ(Parse({"--help", "--fade", "99"}, options, error), ParseStatus::Help);
    EXPECT_EQ(Parse({"-h"}, options, error), ParseStatus::Help);
    EXPECT_EQ(Parse({"--version"}, options, error), ParseStatus::Version);
}

} // namespace

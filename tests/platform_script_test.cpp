// The headless driver's strict parsing of its input lines and command line, and the reader's errors.
#include <gtest/gtest.h>

#include <sstream>

#include "tools/cli/driver_options.h"
#include "tools/cli/script.h"

namespace {

ScriptLine parsed(std::string_view text) {
    std::string error;
    const auto line = parseScriptLine(text, error);
    EXPECT_TRUE(line.has_value()) << "for \"" << text << "\": " << error;
    return line.value_or(std::monostate{});
}

}  // namespace

TEST(PlatformScript, IntegersAreDecimalWithOptionalMinusWithinTheirRange) {
    EXPECT_EQ(parseInteger("0", 0, 9), 0);
    EXPECT_EQ(parseInteger("-32768", INT16_MIN, INT16_MAX), -32768);
    EXPECT_EQ(parseInteger("007", 0, 9), 7);
    EXPECT_EQ(parseInteger("4294967295", 0, UINT32_MAX), int64_t{UINT32_MAX});
    const std::string_view bad[] = {"", "-", "+1", " 1", "1 ", "0x10", "1e3", "10", "-1", "99999999999999999999999",
                                    std::string_view("1\0", 2)};
    for (std::string_view text : bad) EXPECT_FALSE(parseInteger(text, 0, 9).has_value()) << text;
}

TEST(PlatformScript, EveryLineKindParsesWithItsArguments) {
    const auto tap = std::get<TapLine>(parsed("tap -40 300"));
    EXPECT_EQ(tap.x, -40);
    EXPECT_EQ(tap.y, 300);
    const auto screen = std::get<ScreenLine>(parsed("  screen\t200   310 \r"));
    EXPECT_EQ(screen.x, 200);
    EXPECT_EQ(screen.y, 310);
    EXPECT_EQ(std::get<CommandLine>(parsed("command 4011")).id, 4011u);
    EXPECT_TRUE(std::get<AnswerLine>(parsed("answer yes")).yes);
    EXPECT_FALSE(std::get<AnswerLine>(parsed("answer no")).yes);
    EXPECT_EQ(std::get<RollLine>(parsed("roll 6 6 1")).values, (std::vector<uint8_t>{6, 6, 1}));
    EXPECT_EQ(std::get<WaitLine>(parsed("wait 4294967295")).ms, UINT32_MAX);
    EXPECT_TRUE(std::holds_alternative<DumpLine>(parsed("dump")));
    EXPECT_TRUE(std::holds_alternative<MessageLine>(parsed("message")));
    EXPECT_TRUE(std::holds_alternative<QuitLine>(parsed("quit")));
    EXPECT_EQ(std::get<ScreenshotLine>(parsed("screenshot  out/my shot.png  ")).path, "out/my shot.png");
    for (std::string_view skipped : {"", "   \t\r", "# tap 1 2", "  #", "#!garbage\x01\xff"})
        EXPECT_TRUE(std::holds_alternative<std::monostate>(parsed(skipped))) << skipped;
}

TEST(PlatformScript, MalformedLinesAreRejectedWithAReason) {
    const std::string_view lines[] = {
             "tap", "tap 1", "tap 1 2 3", "tap 1.5 2", "tap 32768 0", "tap 0 -32769", "tap x y",
             "screen 1", "command", "command -1", "command 65536", "command 4011 4012",
             "answer", "answer maybe", "answer yes no", "answer YES",
             "roll", "roll 0", "roll 7", "roll 1 2 x", "roll 6,6",
             "wait", "wait -1", "wait 4294967296", "dump now", "message 1", "quit 0",
             "screenshot", "screenshot   \t", "TAP 1 2", "tapx 1 2", "bogus",
             std::string_view("tap 1\0 2", 8), std::string_view("screenshot a\0b", 14), "\xff\xfe tap 1 2"};
    for (std::string_view bad : lines) {
        std::string error;
        EXPECT_FALSE(parseScriptLine(bad, error).has_value()) << bad;
        EXPECT_FALSE(error.empty()) << bad;
    }
}

TEST(PlatformScript, ReaderNumbersLinesReportsFailuresAndEndsWithStatusTwo) {
    std::istringstream in("tap 1 2\n\n# note\nbogus\nroll 9\r\nscreenshot x.png\nwait 5");
    std::ostringstream errors;
    std::vector<size_t> kinds;
    ScriptReader reader(in, errors, [&](const ScriptLine& line) -> std::optional<std::string> {
        kinds.push_back(line.index());
        if (std::holds_alternative<ScreenshotLine>(line)) return "cannot write the screenshot";
        return std::nullopt;
    });
    int lines = 0;
    while (reader.readOneLine()) ++lines;
    EXPECT_FALSE(reader.readOneLine());
    EXPECT_EQ(lines, 7);
    // Bad lines never reach the runner: nothing changes for them.
    const ScriptLine tap = TapLine{}, blank = std::monostate{}, shot = ScreenshotLine{}, wait = WaitLine{};
    EXPECT_EQ(kinds, (std::vector<size_t>{tap.index(), blank.index(), blank.index(), shot.index(), wait.index()}));
    std::istringstream report(errors.str());
    std::vector<std::string> reported;
    for (std::string line; std::getline(report, line);) reported.push_back(line);
    ASSERT_EQ(reported.size(), 3u) << errors.str();
    EXPECT_TRUE(reported[0].starts_with("rendaro-cli: line 4: ")) << reported[0];
    EXPECT_TRUE(reported[1].starts_with("rendaro-cli: line 5: ")) << reported[1];
    EXPECT_EQ(reported[2], "rendaro-cli: line 6: cannot write the screenshot");
    EXPECT_EQ(reader.exitStatus(), 2);
}

TEST(PlatformScript, ReaderOfGoodLinesEndsWithStatusZero) {
    std::istringstream in("dump\nmessage\n");
    std::ostringstream errors;
    ScriptReader reader(in, errors, [](const ScriptLine&) { return std::optional<std::string>{}; });
    while (reader.readOneLine()) {
    }
    EXPECT_EQ(reader.exitStatus(), 0);
    EXPECT_TRUE(errors.str().empty());
}

TEST(PlatformScript, OptionsHaveTheirDefaultsAndBothSpellings) {
    std::string error;
    const auto none = parseDriverOptions({}, error);
    ASSERT_TRUE(none);
    EXPECT_FALSE(none->dir);
    EXPECT_EQ(none->screenWidth, 240);
    EXPECT_EQ(none->screenHeight, 320);
    EXPECT_EQ(none->tick, 0u);
    EXPECT_FALSE(none->trace);

    const auto all = parseDriverOptions({"--dir", "/tmp/x y", "--screen=480x640", "--tick", "4294967295", "--trace",
                              "--tick=12"},
                             error);
    ASSERT_TRUE(all) << error;
    EXPECT_EQ(all->dir, "/tmp/x y");
    EXPECT_EQ(all->screenWidth, 480);
    EXPECT_EQ(all->screenHeight, 640);
    EXPECT_EQ(all->tick, 12u);
    EXPECT_TRUE(all->trace);

    const auto landscape = parseDriverOptions({"--screen", "320x240"}, error);
    ASSERT_TRUE(landscape);
    EXPECT_EQ(landscape->screenWidth, 320);
}

TEST(PlatformScript, BadOptionsAreRefused) {
    const std::vector<std::vector<std::string_view>> bad = {
        {"--dir"}, {"--dir", ""}, {"--dir="}, {"--screen", "240"}, {"--screen", "240x"}, {"--screen", "x320"},
        {"--screen", "0x320"}, {"--screen", "240x52"}, {"--screen", "4097x320"}, {"--screen", "240X320"},
        {"--screen", "240x320x1"}, {"--screen", "-240x320"}, {"--tick", "-1"}, {"--tick", "4294967296"},
        {"--tick", "1s"}, {"--trace=yes"}, {"--verbose"}, {"-t"}, {"script.cli"}, {"--tick"}};
    for (const auto& args : bad) {
        std::string error;
        EXPECT_FALSE(parseDriverOptions(args, error)) << args[0] << (args.size() > 1 ? args[1] : "");
        EXPECT_FALSE(error.empty());
    }
}

// The headless driver's command line and integers, as tables; its input lines are checked by the
// cli_bad_lines transcript.
#include <gtest/gtest.h>

#include "tools/cli/driver_options.h"
#include "tools/cli/script.h"

TEST(DriverOptions, Table) {
    struct Row {
        std::vector<std::string_view> args;
        bool accepted;
        std::string dir = "";
        int width = 240, height = 320;
        uint32_t tick = 0;
        bool trace = false, help = false;
    };
    const Row rows[] = {
        {{}, true},
        {{"--dir", "/tmp/x y", "--screen=480x640", "--tick", "4294967295", "--trace", "--tick=12"}, true,
         "/tmp/x y", 480, 640, 12, true},
        {{"--screen", "320x240"}, true, "", 320, 240},
        {{"--screen", "1x53"}, true, "", 1, 53},
        {{"--help"}, true, "", 240, 320, 0, false, true},
        {{"--dir"}, false}, {{"--dir", ""}, false}, {{"--dir="}, false}, {{"--screen", "240"}, false},
        {{"--screen", "240x"}, false}, {{"--screen", "x320"}, false}, {{"--screen", "0x320"}, false},
        {{"--screen", "240x52"}, false}, {{"--screen", "4097x320"}, false}, {{"--screen", "240X320"}, false},
        {{"--screen", "240x320x1"}, false}, {{"--screen", "-240x320"}, false}, {{"--tick", "-1"}, false},
        {{"--tick", "4294967296"}, false}, {{"--tick", "1s"}, false}, {{"--trace=yes"}, false},
        {{"--verbose"}, false}, {{"-t"}, false}, {{"script.cli"}, false}, {{"--tick"}, false},
    };
    for (const Row& row : rows) {
        std::string error;
        const auto options = parseDriverOptions(row.args, error);
        const std::string args = row.args.empty() ? "" : std::string(row.args[0]) + " ...";
        ASSERT_EQ(options.has_value(), row.accepted) << args << ": " << error;
        if (!options) {
            EXPECT_NE(error.find(row.args[0].substr(0, row.args[0].find('='))), std::string::npos) << error;
            continue;
        }
        EXPECT_EQ(options->dir.value_or(""), row.dir) << args;
        EXPECT_EQ(options->screenWidth, row.width) << args;
        EXPECT_EQ(options->screenHeight, row.height) << args;
        EXPECT_EQ(options->tick, row.tick) << args;
        EXPECT_EQ(options->trace, row.trace) << args;
        EXPECT_EQ(options->help, row.help) << args;
    }
}

TEST(DriverOptions, IntegersAreDecimalWithOptionalMinusWithinTheirRange) {
    EXPECT_EQ(parseInteger("0", 0, 9), 0);
    EXPECT_EQ(parseInteger("-32768", INT16_MIN, INT16_MAX), -32768);
    EXPECT_EQ(parseInteger("007", 0, 9), 7);
    EXPECT_EQ(parseInteger("4294967295", 0, UINT32_MAX), int64_t{UINT32_MAX});
    const std::string_view bad[] = {"", "-", "+1", " 1", "1 ", "0x10", "1e3", "10", "-1", "99999999999999999999999",
                                    std::string_view("1\0", 2)};
    for (std::string_view text : bad) EXPECT_FALSE(parseInteger(text, 0, 9).has_value()) << text;
}

// The headless driver's command line and integers, as tables; its input lines are checked by the
// cli_bad_lines transcript.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/cli/driver_options.h"
#include "tools/cli/script.h"
#include "tests/game_positions.h"

namespace {

// The options in the table's words: the folder if one is named, the screen, the tick, and the switches.
std::string described(const DriverOptions& options) {
    std::string text = options.dir ? "dir " + *options.dir + ", " : "";
    text += std::to_string(options.screenWidth) + "x" + std::to_string(options.screenHeight) + ", tick " + std::to_string(options.tick);
    return text + (options.trace ? ", trace" : "") + (options.help ? ", help" : "");
}

}  // namespace

TEST(DriverOptions, Table) {
    for (const auto& row : tableRows("driver_options.txt")) {
        std::vector<std::string> words;
        for (size_t start = 0, end = 0; row.at(0) != "-" && end != std::string::npos; start = end + 2)
            words.push_back(row[0].substr(start, (end = row[0].find(", ", start)) - start));
        for (std::string& word : words)
            if (word == "\"\"") word.clear();
        const std::vector<std::string_view> args(words.begin(), words.end());
        std::string error;
        const auto options = parseDriverOptions(args, error);
        EXPECT_EQ(options ? described(*options) : "refused", row.at(1)) << row[0] << ": " << error;
        EXPECT_TRUE(options || error.find(args[0].substr(0, args[0].find('='))) != std::string::npos) << error;
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

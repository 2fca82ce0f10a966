// The load rules as one table: what the saved file and the settings copy hold at start-up, which
// game that starts, and that both copies hold that game afterwards.
#include <gtest/gtest.h>

#include <zlib.h>

#include <filesystem>
#include <map>
#include <string>

#include "persist/savefile.h"
#include "platform/system/store.h"
#include "tests/crash_support.h"
#include "tests/game_positions.h"

namespace {

// ByHand: game A in the settings store's own file format (magic, type, length, value, CRC-32), written
// here rather than by the store, so that a slip on both sides of the store would still show.
enum Copy { Missing, GameA, GameB, BadSum, Malformed, Short, Cut, Long, TextType, ByHand };
enum Result { StartUp, A, B };

// A game in progress, and a later one whose record also carries bytes of its own after the blocks
// and in the blocks' reserved fields, and the Token Marks option; its checksum summed here over every
// byte from the marker on.
Record recordOf(Result game) {
    arrange(DefaultFlags | FlagPartners | (game == B ? FlagTokenMarks : 0), {{0, 0, game == B ? uint8_t(15) : uint8_t(12)}, {1, 2, 5}});
    ::game.core.gamesPlayed = game == B ? 10 : 9;
    ::game.core.gamesWon = 4;
    if (game == B) {
        ::game.core.reserved1[2] = 0x5A;
        for (uint8_t& byte : ::game.core.reserved2) byte = 0xA5;
        ::game.core.reserved3[3] = 0x80;
    }
    if (game == StartUp) arrange(DefaultFlags | FlagPartners | FlagOnePlayer, {});
    Record record = packedGame();
    if (game != B) return record;
    for (int i = 148; i < SaveRecordSize; ++i) record[i] = static_cast<uint8_t>(i);
    uint32_t sum = 0;
    for (int i = 4; i < SaveRecordSize; ++i) sum += record[i];
    for (int i = 0; i < 4; ++i) record[i] = static_cast<uint8_t>(sum >> (8 * i));
    return record;
}

std::string bytesOf(Copy copy) {
    Record record = recordOf(copy == GameB ? B : A);
    if (copy == BadSum) record[31] ^= 0x01;  // gamesWon, the checksum left as it was
    if (copy == Malformed) {
        game.core.currentPlayer = 7;  // no such colour, with a checksum that matches
        record = packedGame();
    }
    std::string bytes(record.begin(), record.end());
    if (copy == Short) bytes.pop_back();
    if (copy == Cut) bytes.resize(100);  // a save cut short by a kill
    if (copy == Long) bytes.push_back('\0');
    return bytes;
}

}  // namespace

TEST(PersistLoad, Table) {
    const std::map<std::string, Copy> copies = {{"Missing", Missing}, {"GameA", GameA}, {"GameB", GameB}, {"BadSum", BadSum},
        {"Malformed", Malformed}, {"Short", Short}, {"Cut", Cut}, {"Long", Long}, {"TextType", TextType}, {"ByHand", ByHand}};
    const std::map<std::string, Result> results = {{"StartUp", StartUp}, {"A", A}, {"B", B}};
    const std::string folder = scratchFolder("load").string();
    for (const auto& line : tableRows("load_rules.txt")) {
        SCOPED_TRACE(testing::Message() << "file " << line.at(0) << ", settings " << line.at(1));
        const struct {
            Copy file, settings;
            Result starts;
        } row{copies.at(line[0]), copies.at(line[1]), results.at(line.at(2))};
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        prepareStart(folder);
        std::fill(std::begin(saveBuffer), std::end(saveBuffer), 0);
        if (row.file != Missing) writeText(folder + "/rendart", bytesOf(row.file));
        if (row.settings == ByHand) {
            std::string value = "RDV1" + std::string("\3\0\0\0\xf8\0\0\0", 8) + bytesOf(GameA);
            const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(value.data()), static_cast<uInt>(value.size()));
            for (int i = 0; i < 4; ++i) value += static_cast<char>(crc >> (8 * i));
            std::filesystem::create_directories(folder + "/Calverin");
            writeText(folder + "/Calverin/Rendaro", value);
        } else if (row.settings != Missing) {
            const std::string value = bytesOf(row.settings);
            ASSERT_TRUE(storeSetValue("SOFTWARE\\Calverin", "Rendaro", row.settings == TextType ? REG_SZ : REG_BINARY,
                                      reinterpret_cast<const uint8_t*>(value.data()), value.size()));
        }
        std::fill(std::begin(saveBuffer), std::end(saveBuffer), 0);
        const Record expected = recordOf(row.starts);
        recordOf(StartUp);
        loadState();
        const Record loaded = packedGame();
        EXPECT_TRUE(std::equal(loaded.begin() + 4, loaded.end(), expected.begin() + 4));
        const StoredCopies copies = readStoredCopies(folder);
        EXPECT_EQ(copies.file, loaded);
        EXPECT_EQ(copies.registry, loaded);
    }
    std::filesystem::remove_all(folder);
}

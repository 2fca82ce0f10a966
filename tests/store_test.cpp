// The settings store that stands in for the registry, and the whole-file helpers beneath it.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "platform/system/files.h"
#include "platform/system/store.h"
#include "tests/persist_fixture.h"

namespace {

constexpr const char* Key = "SOFTWARE\\Calverin";
constexpr const char* Name = "Rendaro";

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/rendaro-store-XXXXXX";
        ASSERT_NE(mkdtemp(name), nullptr);
        root = name;
        setStoreRoot(root);
        for (size_t i = 0; i < value.size(); ++i) value[i] = static_cast<uint8_t>(i * 7 + 1);
    }
    void TearDown() override {
        setStoreRoot("");
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // Queries the value into a buffer of the given capacity; the bytes read come back in `read`.
    bool query(size_t capacity) {
        read.assign(capacity, 0);
        type = 0;
        size = 0;
        return storeQueryValue(Key, Name, type, read.data(), capacity, size);
    }
    std::string valuePath() const { return root + "/Calverin/Rendaro"; }

    std::string root;
    std::vector<uint8_t> value = std::vector<uint8_t>(248);
    std::vector<uint8_t> read;
    uint32_t type = 0;
    size_t size = 0;
};

}  // namespace

TEST_F(StoreTest, ValueRoundTripsUnderItsKeyFolderAndIsReplacedWhole) {
    EXPECT_FALSE(query(248));  // no key yet
    ASSERT_TRUE(storeSetValue(Key, Name, REG_BINARY, value.data(), value.size()));
    EXPECT_TRUE(std::filesystem::is_regular_file(valuePath()));
    ASSERT_TRUE(query(248));
    EXPECT_EQ(type, REG_BINARY);
    EXPECT_EQ(size, 248u);
    EXPECT_EQ(read, value);

    // A shorter value of another type replaces it entirely; nothing else is left in the folder.
    const std::vector<uint8_t> text = {'h', 'i', 0};
    ASSERT_TRUE(storeSetValue(Key, Name, REG_SZ, text.data(), text.size()));
    ASSERT_TRUE(query(248));
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(std::vector<uint8_t>(read.begin(), read.begin() + 3), text);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(root + "/Calverin"),
                            std::filesystem::directory_iterator()),
              1);
}

TEST_F(StoreTest, ValueLongerThanTheBufferFailsButReportsItsLength) {
    std::vector<uint8_t> longer(value);
    longer.push_back(9);
    ASSERT_TRUE(storeSetValue(Key, Name, REG_BINARY, longer.data(), longer.size()));
    EXPECT_FALSE(query(248));
    EXPECT_EQ(size, 249u);
    EXPECT_TRUE(query(300));
    EXPECT_EQ(size, 249u);
}

TEST_F(StoreTest, DamagedOrShortValueFilesCountAsAbsent) {
    ASSERT_TRUE(storeSetValue(Key, Name, REG_BINARY, value.data(), value.size()));
    const std::vector<uint8_t> good = readBytes(valuePath());

    for (size_t length : {size_t{0}, size_t{3}, size_t{12}, good.size() - 1}) {
        writeBytes(valuePath(), {good.begin(), good.begin() + static_cast<long>(length)});
        EXPECT_FALSE(query(248)) << "cut to " << length << " bytes";
    }
    for (size_t at : {size_t{0}, size_t{5}, size_t{9}, size_t{100}, good.size() - 1}) {
        std::vector<uint8_t> flipped = good;
        flipped[at] ^= 0x10;
        writeBytes(valuePath(), flipped);
        EXPECT_FALSE(query(248)) << "byte " << at << " changed";
    }
    std::vector<uint8_t> padded = good;
    padded.push_back(0);
    writeBytes(valuePath(), padded);
    EXPECT_FALSE(query(248)) << "a byte appended";

    writeBytes(valuePath(), good);
    EXPECT_TRUE(query(248));
}

TEST_F(StoreTest, DefaultRootFollowsXdgConfigHomeThenHome) {
    const char* oldConfig = getenv("XDG_CONFIG_HOME");
    const char* oldHome = getenv("HOME");
    const std::string savedConfig = oldConfig ? oldConfig : "", savedHome = oldHome ? oldHome : "";
    setStoreRoot("");

    setenv("XDG_CONFIG_HOME", (root + "/xdg").c_str(), 1);
    EXPECT_TRUE(storeSetValue(Key, Name, REG_BINARY, value.data(), value.size()));
    EXPECT_TRUE(std::filesystem::exists(root + "/xdg/Calverin/Rendaro"));

    unsetenv("XDG_CONFIG_HOME");
    setenv("HOME", (root + "/home").c_str(), 1);
    EXPECT_TRUE(storeSetValue(Key, Name, REG_BINARY, value.data(), value.size()));
    EXPECT_TRUE(std::filesystem::exists(root + "/home/.config/Calverin/Rendaro"));

    if (oldConfig) setenv("XDG_CONFIG_HOME", savedConfig.c_str(), 1);
    if (oldHome) setenv("HOME", savedHome.c_str(), 1);
    else unsetenv("HOME");
}

TEST_F(StoreTest, NamesThatWouldLeaveTheStoreAreRefused) {
    for (const char* key : {"SOFTWARE\\..", "SOFTWARE\\", "SOFTWARE\\a/b", "SOFTWARE\\Calverin\\\\x"})
        EXPECT_FALSE(storeSetValue(key, Name, REG_BINARY, value.data(), value.size())) << key;
    for (const char* name : {"", ".", "..", "../escape", "a/b"})
        EXPECT_FALSE(storeSetValue(Key, name, REG_BINARY, value.data(), value.size())) << name;
    EXPECT_FALSE(std::filesystem::exists(root + "/escape"));
    // Nested keys are nested folders.
    EXPECT_TRUE(storeSetValue("SOFTWARE\\Calverin\\Sub", Name, REG_BINARY, value.data(), 4));
    EXPECT_TRUE(std::filesystem::exists(root + "/Calverin/Sub/Rendaro"));
}

TEST_F(StoreTest, UnwritableStoreFailsAndKeepsNothingHalfWritten) {
    writeBytes(root + "/Calverin", {});  // the key folder's place is taken by a file
    EXPECT_FALSE(storeSetValue(Key, Name, REG_BINARY, value.data(), value.size()));
    EXPECT_FALSE(query(248));
}

TEST(FileHelpers, FailedReplaceLeavesTheTargetAndNoTemporaryBehind) {
    char name[] = "/tmp/rendaro-files-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    const std::string folder = name;
    const std::string target = folder + "/busy";
    std::filesystem::create_directories(target + "/inside");  // a non-empty folder cannot be renamed over
    const uint8_t data[4] = {1, 2, 3, 4};
    EXPECT_FALSE(replaceFileAtomically(target.c_str(), data, sizeof data));
    EXPECT_TRUE(std::filesystem::is_directory(target + "/inside"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);

    const std::string file = folder + "/file";
    ASSERT_TRUE(replaceFileAtomically(file.c_str(), data, sizeof data));
    uint8_t back[8] = {};
    EXPECT_EQ(readFileStart(file.c_str(), back, 2), 2u);   // bounded by the capacity
    EXPECT_EQ(readFileStart(file.c_str(), back, 8), 4u);   // or by the file
    EXPECT_EQ(back[3], 4);
    EXPECT_EQ(readFileStart((folder + "/missing").c_str(), back, 8), 0u);
    std::filesystem::remove_all(folder);
}

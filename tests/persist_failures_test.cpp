// Saves that fail: read-only or missing folders, a blocked file name and a full disk. The game goes on
// (saying so once on standard error), and the next start takes the copy the load rules pick from what
// survived.
#include <gtest/gtest.h>
#include <linux/capability.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "persist/savefile.h"
#include "tests/crash_support.h"

namespace {

namespace fs = std::filesystem;

// While alive, file permissions hold even for root: the capabilities that override them are lowered
// from the effective set (they stay permitted, so they come back afterwards).
class PermissionsEnforced {
public:
    PermissionsEnforced() {
        if (geteuid() != 0 || syscall(SYS_capget, &header_, saved_) != 0) return;
        __user_cap_data_struct lowered[2];
        std::memcpy(lowered, saved_, sizeof lowered);
        for (const int capability : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            lowered[capability / 32].effective &= ~(1u << (capability % 32));
        lowered_ = syscall(SYS_capset, &header_, lowered) == 0;
    }
    ~PermissionsEnforced() {
        if (lowered_) syscall(SYS_capset, &header_, saved_);
    }
    PermissionsEnforced(const PermissionsEnforced&) = delete;
    PermissionsEnforced& operator=(const PermissionsEnforced&) = delete;

private:
    __user_cap_header_struct header_{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct saved_[2]{};
    bool lowered_ = false;
};

// A folder made read-only (and really so, even for root) for as long as this lives.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path) : path_(path) { chmod(path_.c_str(), 0555); }
    ~ReadOnlyFolder() { chmod(path_.c_str(), 0755); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    std::string path_;
    PermissionsEnforced enforced_;
};

// A full disk: no file may grow beyond `bytes`; the write fails (the signal it would raise is ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, saved_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        signal(SIGXFSZ, oldHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    sighandler_t oldHandler_;
};

class WriteFailureTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = scratchFolder("failures");
        folder = (root / "game").string();
        // A two-player game saved in both stores by its first tap.
        writeText(file("setup.cli"), "command 4012\ntap 220 250\n");
        writeText(file("restart.cli"), "dump\n");
        ASSERT_TRUE(runCli(folder, file("setup.cli"), file("setup.out")).exitedWith(0));
        const StoredCopies copies = readStoredCopies(folder);
        ASSERT_TRUE(copies.file && copies.registry);
        before = *copies.file;
    }
    void TearDown() override { fs::remove_all(root); }

    std::string file(const char* name) const { return (root / name).string(); }
    std::string settings() const { return folder + "/Calverin"; }

    // Plays on in-process under whatever fault is in force. The game must go on: it reaches a record
    // other than the one it started from, and taps keep being handled to the last line.
    Record playOn() {
        std::set<Record> saved;
        std::mt19937 random(7);
        playAhead(folder, 40, random, saved);
        const Record reached = packedGame();
        EXPECT_NE(reached, before) << "the game did not go on";
        EXPECT_TRUE(recordIsSound(reached));
        return reached;
    }

    // The next start, in a program of its own with nothing failing: the record it comes back to.
    Record nextStart() {
        EXPECT_TRUE(runCli(folder, file("restart.cli"), file("restart.out")).exitedWith(0));
        const std::vector<Record> records = dumpedRecords(file("restart.out"));
        EXPECT_EQ(records.size(), 1u);
        return records.empty() ? Record{} : records[0];
    }

    fs::path root;
    std::string folder;
    Record before{};
};

TEST_F(WriteFailureTest, NothingWrittenKeepsTheRecordFromBefore) {
    // A read-only program folder (the file cannot be replaced, so the registry is not written either),
    // then a full disk where no byte can be written anywhere.
    for (int fault = 0; fault < 2; ++fault) {
        SCOPED_TRACE(fault == 0 ? "read-only program folder" : "full disk");
        if (fault == 0) {
            ReadOnlyFolder locked(folder);
            playOn();
        } else {
            FileSizeLimit full(0);
            playOn();
        }
        const StoredCopies copies = readStoredCopies(folder);
        EXPECT_EQ(copies.file, before);
        EXPECT_EQ(copies.registry, before);
        EXPECT_EQ(nextStart(), before);
    }
    EXPECT_EQ(strayFiles(folder), 0) << "a failed save left its temporary file behind";
}

TEST_F(WriteFailureTest, FileWrittenButRegistryNotLetsTheOlderRegistryCopyWin) {
    // A read-only settings folder, then a disk with room for the record but not for the registry's
    // larger value file: each time the file moves on alone, and the registry copy, which wins when
    // the two differ, brings the next start back to the record both held.
    for (int fault = 0; fault < 2; ++fault) {
        SCOPED_TRACE(fault == 0 ? "read-only settings folder" : "disk full after the record");
        Record reached{};
        if (fault == 0) {
            ReadOnlyFolder locked(settings());
            reached = playOn();
        } else {
            FileSizeLimit nearlyFull(SaveRecordSize + 8);
            reached = playOn();
        }
        const StoredCopies copies = readStoredCopies(folder);
        EXPECT_EQ(copies.file, reached);
        EXPECT_EQ(copies.registry, before);
        EXPECT_EQ(nextStart(), before);
        EXPECT_EQ(readStoredCopies(folder).file, before) << "the start-up save rewrites the file";
    }
}

TEST_F(WriteFailureTest, SettingsFolderLostOrBlockedLeavesTheFileToCarryTheGame) {
    // The settings folder deleted during the game: the next save makes it again.
    fs::remove_all(settings());
    Record reached = playOn();
    EXPECT_EQ(readStoredCopies(folder).registry, reached);
    EXPECT_EQ(nextStart(), reached);
    before = reached;

    // A file where the settings folder should be: the registry cannot be made at all, so the file
    // alone carries the game to the next start.
    fs::remove_all(settings());
    writeText(settings(), "not a folder");
    reached = playOn();
    const StoredCopies copies = readStoredCopies(folder);
    EXPECT_EQ(copies.file, reached);
    EXPECT_FALSE(copies.registry);
    EXPECT_EQ(nextStart(), reached);
}

TEST_F(WriteFailureTest, BlockedSaveFileNameFailsBothCopiesAndTheRegistryCarriesTheGame) {
    // A folder standing where the saved file goes: it can be neither read nor replaced, so no save
    // reaches the registry, whose record from before is the one the next start applies.
    fs::remove(folder + "/rendart");
    fs::create_directory(folder + "/rendart");
    playOn();
    EXPECT_EQ(readStoredCopies(folder).registry, before);
    EXPECT_EQ(nextStart(), before);
    EXPECT_TRUE(fs::is_directory(folder + "/rendart"));
}

}  // namespace

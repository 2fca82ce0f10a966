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

// A folder made read-only (and really so, even for root) for as long as this lives, and with
// `filesToo` the files directly in it.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const std::string& path, bool filesToo = true) : path_(path), filesToo_(filesToo) {
        lock(0555, 0444);
    }
    ~ReadOnlyFolder() { lock(0755, 0644); }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    void lock(mode_t folderMode, mode_t fileMode) const {
        if (filesToo_)
            for (const auto& entry : std::filesystem::directory_iterator(path_))
                if (entry.is_regular_file()) chmod(entry.path().c_str(), fileMode);
        chmod(path_.c_str(), folderMode);
    }
    std::string path_;
    bool filesToo_;
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

// Each fault in force while the game plays on; then what each store holds, and the record the next
// start comes back to: the one from before the fault, or the one the game reached under it.
enum Fault {
    ReadOnlyGame, FullDisk, ReadOnlySettings, RoomForTheFileOnly, SettingsLost, SettingsBlocked, FileBlocked, FoldersOnlyReadOnly
};
enum Held { Before, Reached, Nothing };

TEST_F(WriteFailureTest, Table) {
    struct Row {
        Fault fault;
        Held file, registry, next;
    };
    const Row rows[] = {
        {ReadOnlyGame, Before, Before, Before},  // the file cannot be replaced, so the registry is not written
        {FullDisk, Before, Before, Before},
        {ReadOnlySettings, Reached, Before, Before},  // the registry copy, older, wins when they differ
        {RoomForTheFileOnly, Reached, Before, Before},
        {SettingsLost, Reached, Reached, Reached},  // the next save makes the settings folder again
        {SettingsBlocked, Reached, Nothing, Reached},
        {FileBlocked, Nothing, Before, Before},  // a folder where the saved file goes
        {FoldersOnlyReadOnly, Reached, Reached, Reached},  // files already there are written in place
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "fault " << row.fault);
        SetUp();
        Record reached{};
        switch (row.fault) {
        case ReadOnlyGame: { ReadOnlyFolder locked(folder); reached = playOn(); break; }
        case FullDisk: { FileSizeLimit full(0); reached = playOn(); break; }
        case ReadOnlySettings: { ReadOnlyFolder locked(settings()); reached = playOn(); break; }
        case RoomForTheFileOnly: { FileSizeLimit nearlyFull(SaveRecordSize + 8); reached = playOn(); break; }
        case SettingsLost: fs::remove_all(settings()); reached = playOn(); break;
        case SettingsBlocked: fs::remove_all(settings()); writeText(settings(), "not a folder"); reached = playOn(); break;
        case FileBlocked: fs::remove(folder + "/rendart"); fs::create_directory(folder + "/rendart"); reached = playOn(); break;
        case FoldersOnlyReadOnly: {
            ReadOnlyFolder game(folder, false), settingsFolder(settings(), false);
            reached = playOn();
            break;
        }
        }
        const auto expected = [&](Held held) { return held == Nothing ? std::nullopt : std::optional(held == Before ? before : reached); };
        const StoredCopies copies = readStoredCopies(folder);
        EXPECT_EQ(copies.file, expected(row.file));
        EXPECT_EQ(copies.registry, expected(row.registry));
        EXPECT_EQ(nextStart(), *expected(row.next));
        EXPECT_EQ(strayFiles(folder), 0) << "a failed save left its temporary file behind";
        TearDown();
    }
}

}  // namespace

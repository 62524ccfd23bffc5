// Saving the input file when the file system refuses: a full disk, a file
// size limit, a read-only file, folders that cannot hold files. Each save
// fails cleanly and the previous file stays exactly as it was, with no
// temporary file left beside it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "io/input_file.h"
#include "model/defaults.h"

using namespace qelvorn;
namespace fs = std::filesystem;

namespace {

constexpr const char* kOld = "previous contents\r\n";

struct Folder {
    fs::path path;
    Folder() {
        path = fs::temp_directory_path() /
               ("qelvorn-save-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                std::to_string(::getpid()));
        fs::remove_all(path);
        fs::create_directories(path);
    }
    ~Folder() {
        std::error_code ec;
        fs::permissions(path / "a1.in", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path, ec);
    }
};

std::string ReadAll(const fs::path& f) {
    std::ifstream in(f, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// A saved file beside which the new save is attempted.
fs::path OldFile(const Folder& d) {
    const fs::path target = d.path / "a1.in";
    std::ofstream(target, std::ios::binary) << kOld;
    return target;
}

Project NewProject(const fs::path& file) {
    Project p;
    ResetProject(p);
    p.Title = "Save failure";
    p.InFile = file.string();
    return p;
}

void ExpectOldFileKept(const fs::path& target) {
    EXPECT_EQ(ReadAll(target), kOld);
    EXPECT_FALSE(fs::exists(fs::symlink_status(target.string() + ".tmp")));
}

}  // namespace

TEST(SaveFailures, DiskFullKeepsTheOldFile) {
    Folder d;
    const fs::path target = OldFile(d);
    // The temporary file lands on a device that is always full.
    fs::create_symlink("/dev/full", target.string() + ".tmp");
    Project p = NewProject(target);
    EXPECT_FALSE(WriteInputFile(p));
    ExpectOldFileKept(target);
}

TEST(SaveFailures, FileSizeLimitCutsTheWriteShort) {
    Folder d;
    const fs::path target = OldFile(d);
    Project p = NewProject(target);
    // The temporary file is cut off after 64 bytes (EFBIG), like a disk
    // filling up part way through the save.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = WriteInputFile(p);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(saved);
    ExpectOldFileKept(target);
    // With room again the save goes through.
    EXPECT_TRUE(WriteInputFile(p));
    EXPECT_EQ(ReadAll(target), InputFileText(p));
}

TEST(SaveFailures, ReadOnlyFileIsNotReplaced) {
    Folder d;
    const fs::path target = OldFile(d);
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    Project p = NewProject(target);
    EXPECT_FALSE(WriteInputFile(p));
    ExpectOldFileKept(target);
    // Made writable again, it is replaced.
    fs::permissions(target, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(WriteInputFile(p));
    EXPECT_EQ(ReadAll(target), InputFileText(p));
}

TEST(SaveFailures, FoldersThatCannotHoldTheFile) {
    Folder d;
    const fs::path target = OldFile(d);
    // A path below a regular file, and a folder where no file can be made
    // even by the superuser.
    for (const std::string& path : {target.string() + "/a2.in", std::string("/proc/qelvorn-save-test.in")}) {
        Project p = NewProject(path);
        EXPECT_FALSE(WriteInputFile(p)) << path;
        EXPECT_FALSE(fs::exists(path)) << path;
    }
    EXPECT_EQ(ReadAll(target), kOld);
}

TEST(SaveFailures, ReadingAFileThatVanishedAfterTheDialog) {
    Folder d;
    Project p = NewProject(d.path / "gone.in");
    ASSERT_TRUE(WriteInputFile(p));
    Project q;
    ResetProject(q);
    q.Hw = 240;
    q.InFile = p.InFile;
    const std::string before = InputFileText(q);
    // Chosen in the dialog, then deleted (or replaced by a folder) before
    // the read.
    fs::remove(p.InFile);
    EXPECT_FALSE(ReadInputFile(q));
    fs::create_directory(p.InFile);
    EXPECT_FALSE(ReadInputFile(q));
    EXPECT_EQ(InputFileText(q), before);
}

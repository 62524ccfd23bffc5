// Saving the input file safely beside links and files of the user's, and
// when the file system refuses: a file size limit, a read-only file,
// folders that cannot hold files. Each save
// fails cleanly and the previous file stays exactly as it was, with no
// temporary file left beside it. An incomplete project is saved all the
// same, with its message.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <limits>

#include "analysis/batch_run.h"

using namespace qelvorn;
using namespace qelvorn::testing;
namespace fs = std::filesystem;

namespace {

constexpr const char* kOld = "previous contents\r\n";

// A folder of its own holding a previously saved "a1.in", and a new project
// to be saved over it.
struct Folder {
    fs::path path = BatchDir() / "folder";
    fs::path target = path / "a1.in";
    Project p;
    Folder() {
        fs::remove_all(path);
        fs::create_directories(path);
        std::ofstream(target, std::ios::binary) << kOld;
        ResetProject(p);
        p.Title = "Save failure";
        p.InFile = target.string();
    }
};

void ExpectOldFileKept(const fs::path& target) {
    EXPECT_EQ(ReadFile(target), kOld);
    EXPECT_EQ(FolderNames(target.parent_path()), target.filename().string() + " ");  // no temporary file left
}

}  // namespace

TEST(SafeSaving, NothingBesideTheTargetIsFollowedOrConsumed) {
    // A link planted where a temporary file might go, and a file of the
    // user's own of that name.
    for (const bool planted : {true, false}) {
        Folder d;
        const fs::path aside = d.target.string() + ".tmp", victim = d.path / "victim";
        std::ofstream(planted ? victim : aside, std::ios::binary) << "keep";
        if (planted) fs::create_symlink(victim, aside);
        ASSERT_TRUE(WriteInputFile(d.p));
        EXPECT_EQ(ReadFile(d.target), InputFileText(d.p));
        EXPECT_EQ(ReadFile(aside), "keep");
        EXPECT_EQ(fs::is_symlink(aside), planted);
        EXPECT_EQ(FolderNames(d.path), planted ? "a1.in a1.in.tmp victim " : "a1.in a1.in.tmp ");
    }
}

TEST(SafeSaving, PermissionsAndLinksAreKept) {
    Folder d;
    fs::permissions(d.target, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("a1.in", d.path / "link.in");
    fs::create_hard_link(d.target, d.path / "hard.in");
    d.p.InFile = (d.path / "link.in").string();
    ASSERT_TRUE(WriteInputFile(d.p));
    EXPECT_TRUE(fs::is_symlink(d.path / "link.in"));
    EXPECT_EQ(ReadFile(d.target), InputFileText(d.p));
    EXPECT_EQ(ReadFile(d.path / "hard.in"), InputFileText(d.p));
    EXPECT_EQ(fs::status(d.target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(FolderNames(d.path), "a1.in hard.in link.in ");
}

TEST(SaveFailures, ValueWithNoWrittenFormKeepsTheOldFile) {
    Folder d;
    d.p.Hw = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(WriteInputFile(d.p));
    ExpectOldFileKept(d.target);
}

TEST(SaveFailures, FileSizeLimitCutsTheWriteShort) {
    Folder d;
    // The temporary file is cut off after 64 bytes (EFBIG), like a disk
    // filling up part way through the save.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 64;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool saved = WriteInputFile(d.p);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(saved);
    ExpectOldFileKept(d.target);
    // With room again the save goes through.
    EXPECT_TRUE(WriteInputFile(d.p));
    EXPECT_EQ(ReadFile(d.target), InputFileText(d.p));
}

TEST(SaveFailures, ReadOnlyFileIsNotReplaced) {
    Folder d;
    fs::permissions(d.target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_FALSE(WriteInputFile(d.p));
    ExpectOldFileKept(d.target);
    fs::permissions(d.target, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(WriteInputFile(d.p));
}

TEST(SaveFailures, FoldersThatCannotHoldTheFile) {
    Folder d;
    // A path below a regular file, and a folder where no file can be made
    // even by the superuser.
    for (const std::string& path : {d.target.string() + "/a2.in", std::string("/proc/qelvorn-save-test.in")}) {
        d.p.InFile = path;
        EXPECT_FALSE(WriteInputFile(d.p)) << path;
        EXPECT_FALSE(fs::exists(path)) << path;
    }
    EXPECT_EQ(ReadFile(d.target), kOld);
}

TEST(SaveFailures, IncompleteInputIsReportedAndStillWritten) {
    Folder d;  // a new project: no dimensions yet
    std::string message;
    EXPECT_TRUE(WriteInputFile(d.p, &message));
    EXPECT_EQ(ReadFile(d.target), InputFileText(d.p));
    EXPECT_EQ(d.p.InputComplete, kFalse);
    EXPECT_EQ(message.rfind("The following information is not complete:", 0), 0u);
    EXPECT_NE(message.find("Abutment configuration"), std::string::npos);
}

TEST(SaveFailures, ReadingAFileThatVanishedAfterTheDialog) {
    Folder d;
    ASSERT_TRUE(WriteInputFile(d.p));
    Project q = d.p;
    q.Hw = 240;
    ASSERT_TRUE(ReadInputFile(q));
    EXPECT_EQ(q.Hw, 0.0f);
    q.Hw = 240;
    const std::string before = InputFileText(q);
    // Chosen in the dialog, then deleted (or replaced by a folder) before
    // the read.
    fs::remove(q.InFile);
    EXPECT_FALSE(ReadInputFile(q));
    fs::create_directory(q.InFile);
    EXPECT_FALSE(ReadInputFile(q));
    EXPECT_EQ(InputFileText(q), before);
}

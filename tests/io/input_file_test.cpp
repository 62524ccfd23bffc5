// Reading and writing the input file: round trips, titles, options and
// tables, tolerated and broken files. Saving safely beside links and files
// of the user's, and when the file system refuses: a file size limit, a
// read-only file, folders that cannot hold files. Each save fails cleanly
// and the previous file stays exactly as it was, with no temporary file
// left beside it. An incomplete project is saved all the same, with its
// message.
#include "io/input_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "analysis/batch_run.h"

using namespace qelvorn;
using namespace qelvorn::testing;
namespace fs = std::filesystem;

namespace {

// Every single-precision field the file carries outside the two tables, in
// the order the file holds them.
const std::vector<float Project::*> kScalarFields = {
    &Project::fc, &Project::rhoc, &Project::ExpFactor, &Project::fs, &Project::PileP, &Project::PilePu,
    &Project::PilePeq, &Project::PileT, &Project::PileTu, &Project::PileTeq, &Project::PileV, &Project::PileVu,
    &Project::PileVeq, &Project::pile1v, &Project::pile1m, &Project::pile2v, &Project::pile2m, &Project::pile3v,
    &Project::pile3m, &Project::Q, &Project::Qu, &Project::Qeq, &Project::Kp, &Project::Kpu, &Project::Kpeq,
    &Project::Fr, &Project::Fru, &Project::Freq, &Project::Xr, &Project::Xru, &Project::Xreq, &Project::Hw,
    &Project::Lw, &Project::Tw, &Project::Bat, &Project::Hb, &Project::Tb, &Project::Hh, &Project::Ts,
    &Project::Db, &Project::Dt, &Project::Ht, &Project::Wf, &Project::Lf, &Project::Tf, &Project::PILED,
    &Project::Pdc, &Project::Pdv, &Project::Pl1, &Project::Pl2, &Project::Vlf, &Project::yVlf, &Project::Vfr,
    &Project::yVfr, &Project::Kep, &Project::Yep, &Project::Keq, &Project::Yeq, &Project::Qcp, &Project::Hcp,
    &Project::rhos, &Project::Qsc, &Project::Wsc, &Project::Nsc, &Project::Ssc, &Project::Asw, &Project::Asb,
    &Project::Asft, &Project::Asfbt, &Project::Asfbh, &Project::AsLf, &Project::AsTSw, &Project::AsTSb,
    &Project::AsTSf, &Project::SAsw, &Project::SAsb, &Project::SAsft, &Project::SAsfbt, &Project::SAsfbh,
    &Project::SAsLf, &Project::SAsTSw, &Project::SAsTSb, &Project::SAsTSf, &Project::CAsw, &Project::CAsft,
    &Project::CAsfb, &Project::Ls, &Project::Hs, &Project::Tst, &Project::Tsb, &Project::Wbarrier,
    &Project::Asws, &Project::Aswsb, &Project::AsTSws, &Project::SAsws, &Project::SAswsb, &Project::SAsTSws};

std::vector<ColumnPtr> CombinationColumns() {
    std::vector<ColumnPtr> cols;
    for (auto* set : {&kMaxFactors, &kMinFactors, &kSlsFactors})
        for (ColumnPtr c : *set) cols.push_back(c);
    cols.push_back(&Project::Fsls);
    return cols;
}

template <typename T>
T Pick(std::mt19937& gen, std::initializer_list<T> choices) {
    return *(choices.begin() + std::uniform_int_distribution<std::size_t>(0, choices.size() - 1)(gen));
}

// Zeros, whole numbers and values of every size.
float RandomValue(std::mt19937& gen) {
    switch (std::uniform_int_distribution<int>(0, 5)(gen)) {
    case 0: return 0.0f;
    case 1: return static_cast<float>(std::uniform_int_distribution<int>(0, 100000)(gen));
    default:
        return std::uniform_real_distribution<float>(-9.99f, 9.99f)(gen) *
               std::pow(10.0f, static_cast<float>(std::uniform_int_distribution<int>(-9, 9)(gen)));
    }
}

std::string RandomText(std::mt19937& gen) {
    static const std::string chars = "abcXYZ 0123456789,.-()/&'\"";
    std::string s(std::uniform_int_distribution<std::size_t>(0, 30)(gen), ' ');
    for (char& c : s) c = chars[std::uniform_int_distribution<std::size_t>(0, chars.size() - 1)(gen)];
    return s;
}

Project RandomProject(std::mt19937& gen, const std::string& units) {
    auto count = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(gen); };
    Project p;
    // Titles that read like a unit keyword, and keywords this program does
    // not know, survive a save unchanged.
    p.Title = count(0, 5) == 0 ? Pick<std::string>(gen, {"", "english", "metric", "English"}) : RandomText(gen);
    p.Units = units;
    p.WallType = Pick(gen, {"haunch", "nohaunch", "cantilever"});
    p.FootingType = Pick(gen, {"pile", "spread"});
    p.Criteria = Pick(gen, {"aashto", "arema", "lrfd", "s6", "eurocode"});
    p.ConcreteDesign = (p.Criteria == "lrfd" || p.Criteria == "s6") ? "usd" : Pick(gen, {"sld", "usd", "both"});
    p.PileHead = Pick(gen, {"fix", "pin", "spring"});
    for (auto f : kScalarFields) p.*f = RandomValue(gen);
    p.fc = std::uniform_real_distribution<float>(10.0f, 8000.0f)(gen);
    p.ResizePileRows(count(0, 6));
    for (std::size_t k = 1; k < p.PILEX.size(); ++k) {
        p.PILEN[k] = count(0, 40);
        p.PILENB[k] = count(-3, 40);
        p.PILEX[k] = RandomValue(gen), p.PILEB[k] = RandomValue(gen), p.PILES[k] = RandomValue(gen);
    }
    p.ResizeLoadCombinations(count(0, 12));
    for (std::size_t k = 1; k < p.LoadTitle.size(); ++k) {
        p.LoadTitle[k] = RandomText(gen);
        for (ColumnPtr c : CombinationColumns()) (p.*c)[k] = RandomValue(gen);
    }
    return p;
}

// A hand-checkable project: scalar field i holds i + 1, so a field in the
// wrong place shows; a few hold the other number forms the file uses.
Project SampleProject() {
    Project p;
    p.Title = "Abutment A1";
    p.Units = "english";
    p.WallType = "haunch";
    p.FootingType = "pile";
    p.Criteria = "aashto";
    p.ConcreteDesign = "both";
    p.PileHead = "fix";
    for (std::size_t i = 0; i < kScalarFields.size(); ++i) p.*kScalarFields[i] = static_cast<float>(i + 1);
    p.fc = 4000;
    p.rhoc = 150.0f / 1728.0f;
    p.Q = 240.0f / 144.0f;
    p.Pdc = 12345678, p.Pdv = 2.356e-5f;
    p.Ls = 0;
    p.ResizePileRows(2);
    p.PILEN = {0, 8, 9};
    p.PILEX = {0, 18, 150};
    p.PILENB = {0, 4, 0};
    p.PILEB = {0, 14.036f, 0};
    p.PILES = {0, 60, 54};
    p.ResizeLoadCombinations(1);
    p.LoadTitle[1] = "Group I, \"service\"";
    for (int t = 0; t < kLoadTypes; ++t) {
        (p.*kMaxFactors[t])[1] = 1.0f + 0.1f * static_cast<float>(t);
        (p.*kMinFactors[t])[1] = 0.1f * static_cast<float>(t);
        (p.*kSlsFactors[t])[1] = static_cast<float>(t % 2);
    }
    p.Fsls[1] = 1.25f;
    return p;
}

// The sample project as the file holds it.
const std::string kSampleText = ReadFile(QELVORN_SOURCE_DIR "/tests/io/sample.in");

// A project already holding other data, as the open project does when a
// file is loaded.
Project OpenProject() {
    Project p;
    p.Title = "open project";
    p.Units = "metric";
    p.fc = 30;
    p.Hw = 5000;
    p.ResizePileRows(3);
    p.PILEX[3] = 777;
    p.ResizeLoadCombinations(4);
    p.LoadTitle[4] = "kept";
    p.Fdamax[4] = 1.35f;
    p.Ec = 12345;
    p.chko3 = kFalse;
    return p;
}

void ExpectUnchanged(const Project& before, const Project& after) {
    EXPECT_EQ(InputFileText(before), InputFileText(after));
    EXPECT_EQ(before.Ec, after.Ec);
    EXPECT_EQ(before.chko3, after.chko3);
    EXPECT_EQ(before.PILEX, after.PILEX);
    EXPECT_EQ(before.LoadTitle, after.LoadTitle);
}

// Replaces the first `from` in the sample text.
std::string Sample(const std::string& from, const std::string& to) {
    std::string s = kSampleText;
    const std::size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) s.replace(at, from.size(), to);
    return s;
}

}  // namespace

TEST(InputFileRoundTrip, RandomProjectsInBothUnitSystems) {
    std::mt19937 gen(20240611);
    for (const char* units : {"english", "metric"}) {
        for (int n = 0; n < 60; ++n) {
            const std::string first = InputFileText(RandomProject(gen, units));
            Project loaded = OpenProject();
            ASSERT_TRUE(ReadInputText(loaded, first)) << first;
            EXPECT_EQ(InputFileText(loaded), first);
        }
    }
}

TEST(InputFileStrings, CommasQuotesAndLineBreaksInTitles) {
    Project p = SampleProject();
    p.Title = "Bridge \"B\", span 2\r\nnorth";
    p.LoadTitle[1] = "a\nb";
    const std::string text = InputFileText(p);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "\"Bridge \"\"B\"\", span 2 north\"");
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, text));
    EXPECT_EQ(q.Title, "Bridge \"B\", span 2 north");
    EXPECT_EQ(q.LoadTitle[1], "a b");
}

TEST(InputFileTitleLine, FileWithoutATitleLineKeepsTheOpenTitle) {
    // A file without a title line keeps the open project's title.
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, Sample("\"Abutment A1\"\r\n", "")));
    EXPECT_EQ(q.Title, "open project");
    EXPECT_EQ(q.Units, "english");
    EXPECT_EQ(q.SAsTSws, 97.0f);
}

TEST(InputFileOptions, LimitStateCriteriaForceUsdAndUnitsAreRecomputed) {
    Project p = SampleProject();
    p.Units = "metric";
    p.Criteria = "lrfd";
    p.ConcreteDesign = "sld";
    p.fc = 35;
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.LengthFactor, 1000.0f);
    EXPECT_EQ(q.LblForce, "kN");
    EXPECT_EQ(q.Ec, 28397.0f);  // 4800 sqrt(35)
    EXPECT_EQ(q.ModRatio, 7);
    EXPECT_EQ(q.ConcreteDesign, "usd");
    p.Criteria = "s6";
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.ConcreteDesign, "usd");
}

TEST(InputFileOptions, SideWallLengthSwitchesTheSideWallOutputOn) {
    Project p = SampleProject();
    p.Ls = 120;
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.chko3, kTrue);
    // Ls = 0 leaves the option as it was, either way.
    ASSERT_TRUE(ReadInputText(q, kSampleText));
    EXPECT_EQ(q.chko3, kTrue);
    Project r = OpenProject();
    ASSERT_TRUE(ReadInputText(r, kSampleText));
    EXPECT_EQ(r.chko3, kFalse);
}

TEST(InputFileTables, CountsOfZeroOrLessKeepTheOldTables) {
    for (std::int32_t count : {0, -2}) {
        Project p = SampleProject();
        p.NROWS = count;
        p.NLC = count;
        const std::string text = InputFileText(p);
        const std::string n = std::to_string(count);
        EXPECT_NE(text.find("\r\n" + n + ",46\r\n1.234568E+07,"), std::string::npos);
        EXPECT_NE(text.find(",65\r\n" + n + "\r\n66,"), std::string::npos);
        Project q = OpenProject();
        ASSERT_TRUE(ReadInputText(q, text));
        EXPECT_EQ(q.NROWS, count);
        EXPECT_EQ(q.NLC, count);
        EXPECT_EQ(q.PILEX, OpenProject().PILEX);
        EXPECT_EQ(q.LoadTitle, OpenProject().LoadTitle);
        EXPECT_EQ(q.Fdamax[4], 1.35f);
        EXPECT_EQ(q.SAsTSws, 97.0f);
    }
}

TEST(InputFileReader, ToleratesBlanksLfOnlyByteOrderMarkAndMissingLeadingZeros) {
    std::string text;
    for (char c : Sample("4000,", "  4000 , ")) if (c != '\r') text += c;
    text.replace(text.find("26,27,"), 6, "0.5,,");  // an empty numeric field reads 0
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, text));
    EXPECT_EQ(q.fc, 4000.0f);
    EXPECT_EQ(q.Fr, 0.5f);
    EXPECT_EQ(q.Fru, 0.0f);
    EXPECT_EQ(q.Pdc, 12345680.0f);

    Project r = OpenProject();
    ASSERT_TRUE(ReadInputText(r, "\xEF\xBB\xBF" + std::string(kSampleText)));
    EXPECT_EQ(r.Title, "Abutment A1");

    // So does the empty last field of a line, and that of the file.
    text = kSampleText;
    text.replace(text.find("26,27,28\r\n"), 10, "26,27,\r\n");
    text.erase(text.rfind(',') + 1);
    ASSERT_TRUE(ReadInputText(r, text));
    EXPECT_EQ(r.Freq, 0.0f);
    EXPECT_EQ(r.Xr, 29.0f);
    EXPECT_EQ(r.SAsTSws, 0.0f);
}

TEST(InputFileReader, TruncatedFilesLeaveTheProjectUnchanged) {
    const std::string text = kSampleText;
    const std::size_t lastField = text.rfind(',');
    int cases = 0;
    for (std::size_t i = 0; i < lastField; ++i) {
        if (text[i] != ',' && text[i] != '\r') continue;
        const Project before = OpenProject();
        Project q = before;
        EXPECT_FALSE(ReadInputText(q, text.substr(0, i))) << "cut at " << i;
        ExpectUnchanged(before, q);
        ++cases;
    }
    EXPECT_GT(cases, 150);
    Project q = OpenProject();
    EXPECT_TRUE(ReadInputText(q, text.substr(0, text.size() - 2)));  // cut after the last field
}

TEST(InputFileReader, BrokenFilesLeaveTheProjectUnchanged) {
    const std::pair<const char*, std::string> corpus[] = {
        {"empty", ""},
        {"text", "This is not a project file.\r\n"},
        {"binary", std::string("\x00\xff\xfe\x01\"\x80,\r\n", 9) + std::string(500, '\x9c')},
        {"huge pile row count", Sample("\r\n2,46\r\n", "\r\n2147483647,46\r\n")},
        {"pile rows beyond the file", Sample("\r\n2,46\r\n", "\r\n40,46\r\n")},
        {"huge combination count", Sample("\r\n1\r\n\"Group", "\r\n2000000000\r\n\"Group")},
        {"count beyond 32 bits", Sample("\r\n1\r\n\"Group", "\r\n99999999999\r\n\"Group")},
        {"negative count beyond 32 bits",
         Sample("\r\n2,46\r\n8,18,4,14.036,60\r\n9,150,0,0,54", "\r\n-99999999999,46")},
        {"fc zero", Sample("4000,.0868", "0,.0868")},
        {"fc negative", Sample("4000,.0868", "-4000,.0868")},
        {"fc too small to give a modulus", Sample("4000,.0868", "1E-30,.0868")},
        {"beyond single range", Sample("32,33", "1E39,33")},
        {"infinite", Sample("32,33", "inf,33")},
        {"not a number", Sample("32,33", "nan,33")},
        {"letters in a number", Sample("32,33", "32ft,33")},
        {"hexadecimal", Sample("32,33", "&H20,33")},
        {"unterminated string", Sample("\"fix\",14", "\"fix,14")},
        {"text after a string", Sample("\"fix\",14", "\"fix\"x,14")},
        {"string where a number belongs", Sample("5,6,7\r\n", "\"five\",6,7\r\n")},
        {"number of piles not a number", Sample("8,18,4", "x,18,4")},
    };
    for (const auto& [name, text] : corpus) {
        const Project before = OpenProject();
        Project q = before;
        EXPECT_FALSE(ReadInputText(q, text)) << name;
        ExpectUnchanged(before, q);
    }
}

TEST(InputFileReader, SaysWhereAndWhyReadingStopped) {
    const std::pair<std::string, std::string> cases[] = {
        {Sample("32,33", "32ft,33"), "line 12, field 1: \"32ft\" is not a number"},
        {Sample("\r\n2,46\r\n", "\r\n\r\n2,4x\r\n"), "line 15, field 2: \"4x\" is not a number"},  // blank line counted
        {std::string(kSampleText).substr(0, std::string(kSampleText).rfind(",94")),
         "line 28, field 3: the file ends before the last field"},
    };
    for (const auto& [text, expected] : cases) {
        Project q = OpenProject();
        std::string problem;
        EXPECT_FALSE(ReadInputText(q, text, &problem));
        EXPECT_EQ(problem, expected);
    }
}

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
    // The temporary file is cut off after 64 bytes.
    EXPECT_FALSE(WithFileSizeLimit(64, [&] { return WriteInputFile(d.p); }));
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

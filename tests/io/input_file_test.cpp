#include "io/input_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <sstream>

#include "model/defaults.h"
#include "model/numtext.h"

using namespace qelvorn;
namespace fs = std::filesystem;

namespace {

// Every single-precision field the file carries outside the two tables.
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
    std::uniform_int_distribution<std::size_t> d(0, choices.size() - 1);
    return *(choices.begin() + d(gen));
}

float RandomValue(std::mt19937& gen) {
    std::uniform_real_distribution<float> mant(-9.99f, 9.99f);
    std::uniform_int_distribution<int> ex(-9, 9);
    switch (std::uniform_int_distribution<int>(0, 5)(gen)) {
    case 0: return 0.0f;
    case 1: return static_cast<float>(std::uniform_int_distribution<int>(0, 100000)(gen));
    default: return mant(gen) * std::pow(10.0f, static_cast<float>(ex(gen)));
    }
}

std::string RandomText(std::mt19937& gen) {
    static const std::string chars = "abcXYZ 0123456789,.-()/&'\"";
    std::string s;
    const int n = std::uniform_int_distribution<int>(0, 30)(gen);
    for (int i = 0; i < n; ++i) s += chars[std::uniform_int_distribution<std::size_t>(0, chars.size() - 1)(gen)];
    return s;
}

Project RandomProject(std::mt19937& gen, const std::string& units) {
    Project p;
    p.Title = RandomText(gen);
    p.Units = units;
    p.WallType = Pick(gen, {"haunch", "nohaunch"});
    p.FootingType = Pick(gen, {"pile", "spread"});
    p.Criteria = Pick(gen, {"aashto", "arema", "lrfd", "s6"});
    p.ConcreteDesign = (p.Criteria == "lrfd" || p.Criteria == "s6") ? "usd" : Pick(gen, {"sld", "usd", "both"});
    p.PileHead = Pick(gen, {"fix", "pin"});
    for (auto f : kScalarFields) p.*f = RandomValue(gen);
    p.fc = std::uniform_real_distribution<float>(10.0f, 8000.0f)(gen);
    p.ResizePileRows(std::uniform_int_distribution<int>(0, 6)(gen));
    for (int i = 1; i <= p.NROWS; ++i) {
        const auto k = static_cast<std::size_t>(i);
        p.PILEN[k] = std::uniform_int_distribution<int>(0, 40)(gen);
        p.PILENB[k] = std::uniform_int_distribution<int>(-3, 40)(gen);
        p.PILEX[k] = RandomValue(gen);
        p.PILEB[k] = RandomValue(gen);
        p.PILES[k] = RandomValue(gen);
    }
    p.ResizeLoadCombinations(std::uniform_int_distribution<int>(0, 12)(gen));
    const auto cols = CombinationColumns();
    for (int i = 1; i <= p.NLC; ++i) {
        const auto k = static_cast<std::size_t>(i);
        p.LoadTitle[k] = RandomText(gen);
        for (ColumnPtr c : cols) (p.*c)[k] = RandomValue(gen);
    }
    return p;
}

// A save followed by a load reproduces every stored field to 7 significant
// digits: the second save is byte-identical to the first.
void ExpectSameFileFields(const Project& a, const Project& b) {
    EXPECT_EQ(InputFileText(a), InputFileText(b));
    EXPECT_EQ(a.NROWS, b.NROWS);
    EXPECT_EQ(a.NLC, b.NLC);
}

// A small, hand-checkable project: every value distinct so that a field in
// the wrong place shows.
Project SampleProject() {
    Project p;
    p.Title = "Abutment A1";
    p.Units = "english";
    p.WallType = "haunch";
    p.FootingType = "pile";
    p.Criteria = "aashto";
    p.ConcreteDesign = "both";
    p.fc = 4000;
    p.rhoc = 150.0f / 1728.0f;
    p.ExpFactor = 170;
    p.fs = 60000;
    p.PileP = 1, p.PilePu = 2, p.PilePeq = 3;
    p.PileT = 4, p.PileTu = 5, p.PileTeq = 6;
    p.PileV = 7, p.PileVu = 8, p.PileVeq = 9;
    p.PileHead = "fix";
    p.pile1v = 10, p.pile1m = 11, p.pile2v = 12, p.pile2m = 13, p.pile3v = 14, p.pile3m = 15;
    p.Q = 240.0f / 144.0f, p.Qu = 17, p.Qeq = 18;
    p.Kp = 19, p.Kpu = 20, p.Kpeq = 21;
    p.Fr = 0.5f, p.Fru = 0.45f, p.Freq = 0.975f;
    p.Xr = 0.333f, p.Xru = 0.25f, p.Xreq = 0.125f;
    p.Hw = 240, p.Lw = 480, p.Tw = 36, p.Bat = 2.5f, p.Hb = 72, p.Tb = 18, p.Hh = 24;
    p.Ts = 30, p.Db = 15, p.Dt = 60, p.Ht = 48, p.Wf = 168, p.Lf = 500, p.Tf = 42;
    p.ResizePileRows(2);
    p.PILED = 14;
    p.PILEN = {0, 8, 9};
    p.PILEX = {0, 18, 150};
    p.PILENB = {0, 4, 0};
    p.PILEB = {0, 14.036f, 0};
    p.PILES = {0, 60, 54};
    p.Pdc = 12345678, p.Pdv = 2.356e-5f, p.Pl1 = 30, p.Pl2 = 31, p.Vlf = 32, p.yVlf = 72, p.Vfr = 34, p.yVfr = 35;
    p.Kep = 0.3f, p.Yep = 0.4f, p.Keq = 0.1f, p.Yeq = 0.6f, p.Qcp = 0.7f, p.Hcp = 36, p.rhos = 0.07f, p.Qsc = 0.8f,
    p.Wsc = 120, p.Nsc = 2, p.Ssc = 48;
    p.ResizeLoadCombinations(1);
    p.LoadTitle[1] = "Group I, \"service\"";
    for (int t = 0; t < kLoadTypes; ++t) {
        (p.*kMaxFactors[t])[1] = 1.0f + 0.1f * static_cast<float>(t);
        (p.*kMinFactors[t])[1] = 0.1f * static_cast<float>(t);
        (p.*kSlsFactors[t])[1] = static_cast<float>(t % 2);
    }
    p.Fsls[1] = 1.25f;
    p.Asw = 0.79f, p.Asb = 0.44f, p.Asft = 0.6f, p.Asfbt = 1, p.Asfbh = 1.27f, p.AsLf = 0.2f, p.AsTSw = 0.31f,
    p.AsTSb = 0.11f, p.AsTSf = 0.12f;
    p.SAsw = 12, p.SAsb = 13, p.SAsft = 14, p.SAsfbt = 15, p.SAsfbh = 16, p.SAsLf = 17, p.SAsTSw = 18,
    p.SAsTSb = 19, p.SAsTSf = 20;
    p.CAsw = 2, p.CAsft = 3, p.CAsfb = 4;
    p.Ls = 0, p.Hs = 61, p.Tst = 62, p.Tsb = 63, p.Wbarrier = 64;
    p.Asws = 0.5f, p.Aswsb = 0.6f, p.AsTSws = 0.7f, p.SAsws = 8, p.SAswsb = 9, p.SAsTSws = 10;
    return p;
}

const char* const kSampleText =
    "\"Abutment A1\"\r\n"
    "\"english\",\"haunch\",\"pile\",\"aashto\",\"both\"\r\n"
    "4000,.08680555,170,60000\r\n"
    "1,2,3\r\n"
    "4,5,6\r\n"
    "7,8,9\r\n"
    "\"fix\",10,11,12,13,14,15\r\n"
    "1.666667,17,18\r\n"
    "19,20,21\r\n"
    ".5,.45,.975\r\n"
    ".333,.25,.125\r\n"
    "240,480,36,2.5,72,18,24\r\n"
    "30,15,60,48,168,500,42\r\n"
    "2,14\r\n"
    "8,18,4,14.036,60\r\n"
    "9,150,0,0,54\r\n"
    "1.234568E+07,2.356E-05,30,31,32,72,34,35\r\n"
    ".3,.4,.1,.6,.7,36,.07,.8,120,2,48\r\n"
    "1\r\n"
    "\"Group I, \"\"service\"\"\"\r\n"
    "1,1.1,1.2,1.3,1.4,1.5,1.6,1.7,1.8,1.9,2,2.1\r\n"
    "0,.1,.2,.3,.4,.5,.6,.7,.8,.9,1,1.1\r\n"
    "0,1,0,1,0,1,0,1,0,1,0,1,1.25\r\n"
    ".79,.44,.6,1,1.27,.2,.31,.11,.12\r\n"
    "12,13,14,15,16,17,18,19,20\r\n"
    "2,3,4\r\n"
    "0,61,62,63,64\r\n"
    ".5,.6,.7,8,9,10\r\n";

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
    p.ForceFactor = 42;
    p.chko3 = kFalse;
    return p;
}

void ExpectUnchanged(const Project& before, const Project& after) {
    EXPECT_EQ(InputFileText(before), InputFileText(after));
    EXPECT_EQ(before.Ec, after.Ec);
    EXPECT_EQ(before.ForceFactor, after.ForceFactor);
    EXPECT_EQ(before.chko3, after.chko3);
    EXPECT_EQ(before.PILEX, after.PILEX);
    EXPECT_EQ(before.LoadTitle, after.LoadTitle);
}

std::string ReadAll(const fs::path& path) {
    std::ifstream f(path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

struct TempDir {
    fs::path path;
    TempDir() {
        path = fs::temp_directory_path() /
               ("qelvorn_io_" + std::to_string(std::random_device{}()) + "_" +
                std::to_string(reinterpret_cast<std::uintptr_t>(this)));
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

}  // namespace

TEST(InputFileLayout, WritesEveryFieldInItsPlace) {
    EXPECT_EQ(InputFileText(SampleProject()), kSampleText);
}

TEST(InputFileLayout, ReadsTheHandWrittenLayoutBack) {
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, kSampleText));
    ExpectSameFileFields(SampleProject(), q);
    EXPECT_EQ(q.PILEX.size(), 3u);  // re-created for two rows
    EXPECT_EQ(q.LoadTitle.size(), 2u);
    EXPECT_EQ(q.LoadTitle[1], "Group I, \"service\"");
}

TEST(InputFileRoundTrip, RandomProjectsInBothUnitSystems) {
    std::mt19937 gen(20240611);
    for (const char* units : {"english", "metric"}) {
        for (int n = 0; n < 60; ++n) {
            const Project original = RandomProject(gen, units);
            const std::string first = InputFileText(original);
            ASSERT_FALSE(first.empty());
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
    EXPECT_EQ(InputFileText(q), text);
}

TEST(InputFileTitleLine, FileWithoutTitleKeepsTheOldTitle) {
    std::string text = kSampleText;
    text.erase(0, text.find("\r\n") + 2);
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, text));
    EXPECT_EQ(q.Title, "open project");
    EXPECT_EQ(q.Units, "english");
    EXPECT_EQ(q.Hw, 240.0f);
    EXPECT_EQ(q.SAsTSws, 10.0f);
}

TEST(InputFileTitleLine, EmptyTitleAndATitleThatIsAUnitKeyword) {
    for (const char* title : {"", "english", "metric", "English"}) {
        Project p = SampleProject();
        p.Title = title;
        Project q = OpenProject();
        ASSERT_TRUE(ReadInputText(q, InputFileText(p))) << title;
        EXPECT_EQ(q.Title, title);
        EXPECT_EQ(q.Units, "english");
    }
}

TEST(InputFileOptions, LimitStateCriteriaForceUltimateStrengthDesign) {
    for (const char* criteria : {"lrfd", "s6"}) {
        for (const char* design : {"sld", "both", "usd"}) {
            Project p = SampleProject();
            p.Criteria = criteria;
            p.ConcreteDesign = design;
            Project q = OpenProject();
            ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
            EXPECT_EQ(q.ConcreteDesign, "usd");
        }
    }
}

TEST(InputFileOptions, UnknownKeywordsSurviveASave) {
    Project p = SampleProject();
    p.WallType = "cantilever";
    p.PileHead = "spring";
    p.Criteria = "eurocode";
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(InputFileText(q), InputFileText(p));
}

TEST(InputFileOptions, SideWallLengthSwitchesTheSideWallOutputOn) {
    Project p = SampleProject();
    p.Ls = 120;
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.chko3, kTrue);
    // Ls = 0 leaves the option as it was, either way.
    p.Ls = 0;
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.chko3, kTrue);
    Project r = OpenProject();
    ASSERT_TRUE(ReadInputText(r, InputFileText(p)));
    EXPECT_EQ(r.chko3, kFalse);
}

TEST(InputFileTables, CountsOfZeroOrLessKeepTheOldTables) {
    for (std::int32_t count : {0, -2}) {
        Project p = SampleProject();
        p.NROWS = count;
        p.NLC = count;
        const std::string text = InputFileText(p);
        EXPECT_NE(text.find("\r\n" + std::to_string(count) + ",14\r\n1.234568E+07,"), std::string::npos);
        EXPECT_NE(text.find(".8,120,2,48\r\n" + std::to_string(count) + "\r\n.79,"), std::string::npos);
        Project q = OpenProject();
        ASSERT_TRUE(ReadInputText(q, text));
        EXPECT_EQ(q.NROWS, count);
        EXPECT_EQ(q.NLC, count);
        EXPECT_EQ(q.PILEX, OpenProject().PILEX);
        EXPECT_EQ(q.LoadTitle, OpenProject().LoadTitle);
        EXPECT_EQ(q.Fdamax[4], 1.35f);
        EXPECT_EQ(q.SAsTSws, 10.0f);
    }
}

TEST(InputFileTables, ResizeClearsTheResultsOfEveryCombination) {
    Project q = OpenProject();
    q.Vmax[2] = 99;
    q.Fdaminst[1] = 5;
    ASSERT_TRUE(ReadInputText(q, kSampleText));
    ASSERT_EQ(q.Vmax.size(), 2u);
    EXPECT_EQ(q.Vmax[1], 0.0f);
    EXPECT_EQ(q.Fdaminst[1], 0.0f);
}

TEST(InputFileReader, ToleratesBlanksLfOnlyAndMissingLeadingZeros) {
    std::string text;
    for (char c : std::string(kSampleText))
        if (c != '\r') text += c;
    std::size_t at = text.find("4000,");
    text.replace(at, 5, "  4000 , ");
    at = text.find(".5,.45");
    text.replace(at, 6, "0.5,");  // an empty numeric field reads 0
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, text));
    EXPECT_EQ(q.fc, 4000.0f);
    EXPECT_EQ(q.Fr, 0.5f);
    EXPECT_EQ(q.Fru, 0.0f);
    EXPECT_EQ(q.Pdc, 12345680.0f);

    // A byte order mark written by a text editor.
    Project r = OpenProject();
    ASSERT_TRUE(ReadInputText(r, "\xEF\xBB\xBF" + std::string(kSampleText)));
    EXPECT_EQ(r.Title, "Abutment A1");
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
    // Cut after the last field: complete.
    Project q = OpenProject();
    EXPECT_TRUE(ReadInputText(q, text.substr(0, text.size() - 2)));
}

TEST(InputFileReader, BrokenFilesLeaveTheProjectUnchanged) {
    const std::string good = kSampleText;
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string s = good;
        const std::size_t at = s.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        s.replace(at, from.size(), to);
        return s;
    };
    std::vector<std::pair<std::string, std::string>> corpus = {
        {"empty", ""},
        {"blank lines only", "\r\n \r\n\t\r\n"},
        {"commas only", std::string(300, ',')},
        {"text", "This is not a project file.\r\n"},
        {"binary", std::string("\x00\xff\xfe\x01\"\x80,\r\n", 9) + std::string(500, '\x9c')},
        {"huge pile row count", replaced("\r\n2,14\r\n", "\r\n2147483647,14\r\n")},
        {"pile rows beyond the file", replaced("\r\n2,14\r\n", "\r\n40,14\r\n")},
        {"huge combination count", replaced("\r\n1\r\n\"Group", "\r\n2000000000\r\n\"Group")},
        {"count beyond 32 bits", replaced("\r\n1\r\n\"Group", "\r\n99999999999\r\n\"Group")},
        {"fc zero", replaced("4000,.0868", "0,.0868")},
        {"fc negative", replaced("4000,.0868", "-4000,.0868")},
        {"beyond single range", replaced("240,480", "1E39,480")},
        {"infinite", replaced("240,480", "inf,480")},
        {"not a number", replaced("240,480", "nan,480")},
        {"letters in a number", replaced("240,480", "240ft,480")},
        {"two points", replaced("240,480", "2.4.0,480")},
        {"hexadecimal", replaced("240,480", "&HF0,480")},
        {"bare exponent", replaced("240,480", "2E,480")},
        {"unterminated string", replaced("\"fix\",10", "\"fix,10")},
        {"text after a string", replaced("\"fix\",10", "\"fix\"x,10")},
        {"string where a number belongs", replaced("1,2,3\r\n", "\"one\",2,3\r\n")},
        {"number of piles not a number", replaced("8,18,4", "x,18,4")},
    };
    for (const auto& [name, text] : corpus) {
        const Project before = OpenProject();
        Project q = before;
        EXPECT_FALSE(ReadInputText(q, text)) << name;
        ExpectUnchanged(before, q);
    }
}

TEST(InputFileReader, DamagedFilesLoadWholeOrNotAtAll) {
    std::mt19937 gen(7);
    const std::string good = kSampleText;
    for (int n = 0; n < 300; ++n) {
        std::string s = good;
        // Overwrite a stretch with random bytes.
        const std::size_t at = std::uniform_int_distribution<std::size_t>(0, s.size() - 1)(gen);
        const std::size_t len = std::uniform_int_distribution<std::size_t>(1, 40)(gen);
        for (std::size_t i = at; i < std::min(s.size(), at + len); ++i)
            s[i] = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(gen));
        Project q = OpenProject();
        const Project before = q;
        if (!ReadInputText(q, s)) ExpectUnchanged(before, q);
    }
}

TEST(InputFileWriter, FailedSaveLeavesTheOldFileIntact) {
    TempDir dir;
    const fs::path target = dir.path / "a1.in";
    {
        std::ofstream f(target, std::ios::binary);
        f << "previous contents";
    }
    Project p = SampleProject();
    p.InFile = target.string();
    // The temporary file cannot be created.
    fs::create_directory(target.string() + ".tmp");
    EXPECT_FALSE(WriteInputFile(p));
    EXPECT_EQ(ReadAll(target), "previous contents");
    fs::remove(target.string() + ".tmp");
    // A value with no written form.
    p.Hw = std::numeric_limits<float>::infinity();
    EXPECT_FALSE(WriteInputFile(p));
    EXPECT_EQ(ReadAll(target), "previous contents");
    EXPECT_FALSE(fs::exists(target.string() + ".tmp"));
    // Success replaces the old contents, and the file reads back.
    p.Hw = 240;
    EXPECT_TRUE(WriteInputFile(p));
    EXPECT_EQ(ReadAll(target), kSampleText);
    Project q = OpenProject();
    q.InFile = p.InFile;
    ASSERT_TRUE(ReadInputFile(q));
    ExpectSameFileFields(p, q);
}

TEST(InputFileReader, RecomputesUnitsAndConcretePropertiesForTheFile) {
    Project p = SampleProject();
    p.Units = "metric";
    p.Criteria = "lrfd";
    p.fc = 35;
    Project q = OpenProject();
    ASSERT_TRUE(ReadInputText(q, InputFileText(p)));
    EXPECT_EQ(q.LengthFactor, 1000.0f);
    EXPECT_EQ(q.LblForce, "kN");
    EXPECT_EQ(q.Ec, 28397.0f);  // 4800 sqrt(35)
    EXPECT_EQ(q.ModRatio, 7);
}

TEST(InputFileWriter, IncompleteInputIsReportedAndStillWritten) {
    TempDir dir;
    Project p;
    ResetProject(p);  // no dimensions yet
    p.InFile = (dir.path / "new.in").string();
    std::string message = "stale";
    EXPECT_TRUE(WriteInputFile(p, &message));
    EXPECT_EQ(p.InputComplete, kFalse);
    EXPECT_EQ(message.rfind("The following information is not complete:", 0), 0u);
    EXPECT_NE(message.find("Abutment configuration"), std::string::npos);
    // A complete project leaves the message empty.
    Project s = SampleProject();
    s.InFile = p.InFile;
    std::string none = "stale";
    ASSERT_TRUE(WriteInputFile(s, &none));
    EXPECT_EQ(s.InputComplete, kTrue) << none;
    EXPECT_EQ(none, "");
}

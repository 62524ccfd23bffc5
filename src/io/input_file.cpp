// The input file: positional comma-separated text, one writer statement per
// line, CR LF line ends, strings in double quotes, singles in their shortest
// 7-digit form, counts as plain integers.
//
// The reader fills a copy of the project and hands it over only when the
// whole file has been read, so a bad or truncated file never leaves a
// half-loaded project behind. The writer writes a temporary file beside the
// target and renames it over the target only when it is complete and on
// disk.
#include "io/input_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <variant>
#include <vector>

#include "model/defaults.h"
#include "model/numtext.h"

namespace qelvorn {

namespace {

// ---------------------------------------------------------------- layout

using TextField = std::string Project::*;
using SingleField = float Project::*;
using LongField = std::int32_t Project::*;
using Field = std::variant<TextField, SingleField, LongField>;
using Line = std::vector<Field>;

const Line kOptionsLine = {&Project::Units, &Project::WallType, &Project::FootingType, &Project::Criteria,
                           &Project::ConcreteDesign};
const Line kMaterialsLine = {&Project::fc, &Project::rhoc, &Project::ExpFactor, &Project::fs};

// Lines 4 to 13: resistances and geometry.
const std::vector<Line> kResistanceAndGeometryLines = {
    {&Project::PileP, &Project::PilePu, &Project::PilePeq},
    {&Project::PileT, &Project::PileTu, &Project::PileTeq},
    {&Project::PileV, &Project::PileVu, &Project::PileVeq},
    {&Project::PileHead, &Project::pile1v, &Project::pile1m, &Project::pile2v, &Project::pile2m, &Project::pile3v,
     &Project::pile3m},
    {&Project::Q, &Project::Qu, &Project::Qeq},
    {&Project::Kp, &Project::Kpu, &Project::Kpeq},
    {&Project::Fr, &Project::Fru, &Project::Freq},
    {&Project::Xr, &Project::Xru, &Project::Xreq},
    {&Project::Hw, &Project::Lw, &Project::Tw, &Project::Bat, &Project::Hb, &Project::Tb, &Project::Hh},
    {&Project::Ts, &Project::Db, &Project::Dt, &Project::Ht, &Project::Wf, &Project::Lf, &Project::Tf},
};

const std::vector<Line> kLoadLines = {
    {&Project::Pdc, &Project::Pdv, &Project::Pl1, &Project::Pl2, &Project::Vlf, &Project::yVlf, &Project::Vfr,
     &Project::yVfr},
    {&Project::Kep, &Project::Yep, &Project::Keq, &Project::Yeq, &Project::Qcp, &Project::Hcp, &Project::rhos,
     &Project::Qsc, &Project::Wsc, &Project::Nsc, &Project::Ssc},
};

const std::vector<Line> kReinforcingAndSideWallLines = {
    {&Project::Asw, &Project::Asb, &Project::Asft, &Project::Asfbt, &Project::Asfbh, &Project::AsLf,
     &Project::AsTSw, &Project::AsTSb, &Project::AsTSf},
    {&Project::SAsw, &Project::SAsb, &Project::SAsft, &Project::SAsfbt, &Project::SAsfbh, &Project::SAsLf,
     &Project::SAsTSw, &Project::SAsTSb, &Project::SAsTSf},
    {&Project::CAsw, &Project::CAsft, &Project::CAsfb},
    {&Project::Ls, &Project::Hs, &Project::Tst, &Project::Tsb, &Project::Wbarrier},
    {&Project::Asws, &Project::Aswsb, &Project::AsTSws, &Project::SAsws, &Project::SAswsb, &Project::SAsTSws},
};

// Fields of one pile row and of one load combination (title, 12 + 12 + 13).
constexpr std::int64_t kPileRowFields = 5;
constexpr std::int64_t kCombinationFields = 1 + 3 * kLoadTypes + 1;

// Files beyond this size are not project files; refusing them keeps a
// mistaken choice of file from exhausting memory.
constexpr std::uintmax_t kMaxFileSize = 64u * 1024u * 1024u;

// ---------------------------------------------------------------- writing

struct BadValue : std::runtime_error {
    BadValue() : std::runtime_error("value cannot be written") {}
};

std::string QuotedText(const std::string& s) {
    std::string out = "\"";
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            // A line break (CR LF counts as one) becomes a blank: the field
            // must stay on its line.
            if (c == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

std::string SingleText(float v) {
    // A non-finite value has no readable form: writing it would make the
    // whole file unreadable.
    if (!std::isfinite(v)) throw BadValue();
    return ShortestText(v);
}

// Element i of a 1-based column, or the cleared value when the column is
// shorter than the count says.
template <typename T>
T At(const std::vector<T>& column, std::int32_t i) {
    const auto k = static_cast<std::size_t>(i);
    return k < column.size() ? column[k] : T{};
}

class Writer {
public:
    explicit Writer(const Project& p) : p_(p) {}

    void field(const std::string& text) {
        if (!first_) out_ += ',';
        first_ = false;
        out_ += text;
    }
    void endLine() {
        out_ += "\r\n";
        first_ = true;
    }
    void line(const Line& fields) {
        for (const Field& f : fields) {
            if (auto t = std::get_if<TextField>(&f)) field(QuotedText(p_.**t));
            else if (auto s = std::get_if<SingleField>(&f)) field(SingleText(p_.**s));
            else field(std::to_string(p_.*std::get<LongField>(f)));
        }
        endLine();
    }
    std::string take() { return std::move(out_); }

private:
    const Project& p_;
    std::string out_;
    bool first_ = true;
};

std::string LayoutText(const Project& p) {
    Writer w(p);
    w.field(QuotedText(p.Title));
    w.endLine();
    w.line(kOptionsLine);
    w.line(kMaterialsLine);
    for (const Line& l : kResistanceAndGeometryLines) w.line(l);
    w.line({&Project::NROWS, &Project::PILED});
    for (std::int32_t i = 1; i <= p.NROWS; ++i) {
        w.field(std::to_string(At(p.PILEN, i)));
        w.field(SingleText(At(p.PILEX, i)));
        w.field(std::to_string(At(p.PILENB, i)));
        w.field(SingleText(At(p.PILEB, i)));
        w.field(SingleText(At(p.PILES, i)));
        w.endLine();
    }
    for (const Line& l : kLoadLines) w.line(l);
    w.line({&Project::NLC});
    for (std::int32_t i = 1; i <= p.NLC; ++i) {
        w.field(QuotedText(At(p.LoadTitle, i)));
        w.endLine();
        for (ColumnPtr c : kMaxFactors) w.field(SingleText(At(p.*c, i)));
        w.endLine();
        for (ColumnPtr c : kMinFactors) w.field(SingleText(At(p.*c, i)));
        w.endLine();
        for (ColumnPtr c : kSlsFactors) w.field(SingleText(At(p.*c, i)));
        w.field(SingleText(At(p.Fsls, i)));
        w.endLine();
    }
    for (const Line& l : kReinforcingAndSideWallLines) w.line(l);
    return w.take();
}

// ---------------------------------------------------------------- reading

// Why reading stopped; the reader adds where (line and field).
struct ReadError : std::runtime_error {
    explicit ReadError(const std::string& why) : std::runtime_error(why) {}
};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

// Field-oriented reader: takes the next field wherever it stands, commas
// and line ends alike separating fields; blank lines are skipped.
class Tokens {
public:
    // A byte order mark left by a text editor is not part of the first field.
    explicit Tokens(const std::string& text) : s_(text) {
        if (s_.compare(0, 3, "\xEF\xBB\xBF") == 0) start_ = 3;
        pos_ = start_;
    }

    void restart() {
        pos_ = start_;
        lineEnded_ = false;
        line_ = 1;
        onLine_ = 0;
        afterComma_ = false;
    }
    // Where the field read last (or expected next at the end of the file)
    // stands: its 1-based line of the file and its place on that line.
    int line() const { return fieldLine_; }
    int field() const { return fieldNo_; }
    // True when the field just read was the last one on its line.
    bool lineEnded() const { return lineEnded_; }

    // Characters left: a bound on the number of fields the rest can hold
    // (every field but the last needs a separator after it).
    std::int64_t remaining() const { return static_cast<std::int64_t>(s_.size() - pos_); }

    std::string next() {
        // After a comma the field is on the same line: a comma followed by
        // the line end (or the end of the file) leaves an empty field there.
        // Otherwise blank lines before the field are skipped.
        while (pos_ < s_.size() && (IsBlank(s_[pos_]) || (!afterComma_ && IsLineEnd(s_[pos_])))) {
            if (IsLineEnd(s_[pos_])) EndLine();
            else ++pos_;
        }
        fieldLine_ = line_;
        fieldNo_ = ++onLine_;
        if (pos_ >= s_.size() && !afterComma_) throw ReadError("the file ends before the last field");
        std::string value;
        if (pos_ >= s_.size() || IsLineEnd(s_[pos_])) {
            // The empty field before a line end.
        } else if (s_[pos_] == '"') {
            ++pos_;
            for (;;) {
                if (pos_ >= s_.size() || IsLineEnd(s_[pos_])) throw ReadError("a quoted text is not closed on its line");
                const char c = s_[pos_++];
                if (c != '"') {
                    value += c;
                } else if (pos_ < s_.size() && s_[pos_] == '"') {
                    value += '"';  // doubled quote inside the string
                    ++pos_;
                } else {
                    break;
                }
            }
            while (pos_ < s_.size() && IsBlank(s_[pos_])) ++pos_;
            if (pos_ < s_.size() && s_[pos_] != ',' && !IsLineEnd(s_[pos_]))
                throw ReadError("characters follow the closing quote");
        } else {
            const std::size_t start = pos_;
            while (pos_ < s_.size() && s_[pos_] != ',' && !IsLineEnd(s_[pos_])) ++pos_;
            std::size_t end = pos_;
            while (end > start && IsBlank(s_[end - 1])) --end;
            value.assign(s_, start, end - start);
        }
        // Consume the separator: a comma, or one line end (CR LF, LF or CR).
        lineEnded_ = true;
        afterComma_ = false;
        if (pos_ < s_.size()) {
            if (s_[pos_] == ',') {
                lineEnded_ = false;
                afterComma_ = true;
                ++pos_;
            } else {
                EndLine();
            }
        }
        return value;
    }

    std::string text() { return next(); }

    // A plain decimal number: sign, digits with at most one point, an
    // optional exponent. Empty reads as 0. Anything else, or a value beyond
    // the range of a single, is an error.
    double number() {
        const std::string t = next();
        if (t.empty()) return 0.0;
        std::size_t i = 0;
        if (t[i] == '+' || t[i] == '-') ++i;
        bool digits = false;
        while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digits = true;
        if (i < t.size() && t[i] == '.') {
            ++i;
            while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, digits = true;
        }
        const ReadError notANumber("\"" + t + "\" is not a number");
        if (!digits) throw notANumber;
        if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
            ++i;
            if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
            bool expDigits = false;
            while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, expDigits = true;
            if (!expDigits) throw notANumber;
        }
        if (i != t.size()) throw notANumber;
        const double v = std::strtod(t.c_str(), nullptr);
        if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max()))
            throw ReadError(t + " is beyond the range of a single-precision number");
        return v;
    }

    float single() { return static_cast<float>(number()); }

    std::int32_t count() {
        const double v = number();
        if (std::fabs(v) > 2147483647.0) throw ReadError("the count " + std::to_string(v) + " is too large");
        return RoundHalfEven(v);
    }

private:
    // Consumes one line end (CR LF, LF or CR) at pos_.
    void EndLine() {
        if (s_[pos_++] == '\r' && pos_ < s_.size() && s_[pos_] == '\n') ++pos_;
        ++line_;
        onLine_ = 0;
    }

    const std::string& s_;
    std::size_t start_ = 0;
    std::size_t pos_ = 0;
    bool lineEnded_ = false;
    int line_ = 1, onLine_ = 0;
    int fieldLine_ = 1, fieldNo_ = 0;
    bool afterComma_ = false;
};

void ReadLine(Tokens& in, Project& q, const Line& fields) {
    for (const Field& f : fields) {
        if (auto t = std::get_if<TextField>(&f)) q.**t = in.text();
        else if (auto s = std::get_if<SingleField>(&f)) q.**s = in.single();
        else q.*std::get<LongField>(f) = in.count();
    }
}

bool IsUnitsKeyword(const std::string& s) { return s == "english" || s == "metric"; }

// Refuses a table the rest of the file cannot hold before making room for
// it, so an absurd count cannot exhaust memory.
void CheckRoom(const Tokens& in, std::int32_t rows, std::int64_t fieldsPerRow, const char* what) {
    if (rows > 0 && static_cast<std::int64_t>(rows) * fieldsPerRow > in.remaining() + 1)
        throw ReadError(std::to_string(rows) + " " + what + ", more than the rest of the file holds");
}

void ReadLayout(Tokens& in, const std::string& text, Project& q) {
    // Options first; a first field that is not a unit system keyword means
    // the file starts with its title line. A title that is itself a unit
    // keyword is recognised by standing alone on its line and being followed
    // by another unit keyword.
    ReadLine(in, q, kOptionsLine);
    bool titled = !IsUnitsKeyword(q.Units);
    if (!titled) {
        Tokens probe(text);
        probe.text();
        titled = probe.lineEnded() && IsUnitsKeyword(probe.text());
    }
    if (titled) {
        in.restart();
        q.Title = in.text();
        ReadLine(in, q, kOptionsLine);
    }
    if (q.Criteria == "lrfd" || q.Criteria == "s6") q.ConcreteDesign = "usd";
    SetUnits(q);

    ReadLine(in, q, kMaterialsLine);
    // The derived properties divide by the concrete modulus: a strength
    // that gives none is refused.
    if (!(q.fc > 0.0f)) throw ReadError("the concrete strength fc is not greater than 0");
    if (!DeriveConcreteProperties(q))
        throw ReadError("the concrete strength fc is too small to give a concrete modulus");

    for (const Line& l : kResistanceAndGeometryLines) ReadLine(in, q, l);

    const std::int32_t rows = in.count();
    q.PILED = in.single();
    CheckRoom(in, rows, kPileRowFields, "pile rows");
    q.ResizePileRows(rows);
    for (std::int32_t i = 1; i <= rows; ++i) {
        const auto k = static_cast<std::size_t>(i);
        q.PILEN[k] = in.count();
        q.PILEX[k] = in.single();
        q.PILENB[k] = in.count();
        q.PILEB[k] = in.single();
        q.PILES[k] = in.single();
    }

    for (const Line& l : kLoadLines) ReadLine(in, q, l);

    const std::int32_t combinations = in.count();
    CheckRoom(in, combinations, kCombinationFields, "load combinations");
    q.ResizeLoadCombinations(combinations);
    for (std::int32_t i = 1; i <= combinations; ++i) {
        const auto k = static_cast<std::size_t>(i);
        q.LoadTitle[k] = in.text();
        for (ColumnPtr c : kMaxFactors) (q.*c)[k] = in.single();
        for (ColumnPtr c : kMinFactors) (q.*c)[k] = in.single();
        for (ColumnPtr c : kSlsFactors) (q.*c)[k] = in.single();
        q.Fsls[k] = in.single();
    }

    for (const Line& l : kReinforcingAndSideWallLines) ReadLine(in, q, l);
    if (q.Ls != 0.0f) q.chko3 = kTrue;
}

}  // namespace

std::string InputFileText(const Project& p) {
    try {
        return LayoutText(p);
    } catch (const BadValue&) {
        return {};
    }
}

bool ReadInputText(Project& p, const std::string& text, std::string* problem) {
    Tokens in(text);
    try {
        Project q = p;
        ReadLayout(in, text, q);
        p = std::move(q);
        return true;
    } catch (const ReadError& e) {
        if (problem)
            *problem = "line " + std::to_string(in.line()) + ", field " + std::to_string(in.field()) + ": " + e.what();
        return false;
    } catch (const std::exception&) {  // out of memory and the like
        if (problem) *problem = "not enough memory to read it";
        return false;
    }
}

bool ReadInputFile(Project& p, std::string* problem) {
    namespace fs = std::filesystem;
    auto fail = [problem](const char* why) {
        if (problem) *problem = why;
        return false;
    };
    try {
        std::error_code ec;
        const fs::path path(p.InFile);
        if (p.InFile.empty() || !fs::is_regular_file(path, ec)) return fail("no such file");
        const std::uintmax_t size = fs::file_size(path, ec);
        if (ec) return fail("its size cannot be read");
        if (size > kMaxFileSize) return fail("too large for an input file");
        std::ifstream f(path, std::ios::binary);
        if (!f) return fail("it cannot be opened");
        std::ostringstream buf;
        buf << f.rdbuf();
        if (f.bad()) return fail("it cannot be read");
        return ReadInputText(p, buf.str(), problem);
    } catch (const std::exception&) {
        return fail("it cannot be read");
    }
}

namespace {

// The file a save replaces: a symbolic link is followed, link by link, to
// the file it points at (a dangling link names the file to create); empty
// for a loop of links.
std::filesystem::path SaveTarget(std::filesystem::path path) {
    namespace fs = std::filesystem;
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec))) return path;
        const fs::path link = fs::read_symlink(path, ec);
        if (ec) return {};
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    return {};
}

bool WriteAll(int fd, const std::string& text) {
    const char* at = text.data();
    std::size_t left = text.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, at, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        at += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Makes a rename or a new name in the folder durable. Some file systems
// cannot sync a folder; the file itself is in place by then either way.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// Writes the text over an existing file in place, keeping its inode (and
// so its other hard links).
bool WriteInPlace(const std::filesystem::path& target, const std::string& text) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return false;
    bool ok = WriteAll(fd, text) && ::ftruncate(fd, static_cast<off_t>(text.size())) == 0 && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    return ok;
}

}  // namespace

bool WriteInputFile(Project& p, std::string* checkMessage) {
    const std::string message = CheckInput(p);
    if (checkMessage) *checkMessage = p.InputComplete ? std::string() : message;
    if (p.InFile.empty()) return false;
    std::string text;
    try {
        text = LayoutText(p);
        const std::filesystem::path target = SaveTarget(p.InFile);
        if (target.empty()) return false;
        struct stat old {};
        const bool exists = ::stat(target.c_str(), &old) == 0;
        // Only a regular file is replaced, and not one marked read-only: the
        // rename below would swap it for a new, writable file whatever its
        // permissions say.
        if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & 0222) == 0)) return false;
        mode_t mode = 0;
        if (exists) {
            mode = old.st_mode & 07777;
        } else {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            mode = 0666 & ~mask;
        }

        // The text goes to a new file of a unique name beside the target,
        // created exclusively (mkstemp never follows or reuses an existing
        // name), and is on disk before it replaces the target.
        std::string temp = target.string() + ".XXXXXX";
        const int fd = ::mkstemp(temp.data());
        if (fd < 0) return false;
        if (exists && ::fchown(fd, old.st_uid, old.st_gid) != 0) {
            // Another owner cannot be given away; the file stays the saver's.
        }
        bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (!ok) {
            ::unlink(temp.c_str());
            return false;
        }
        const std::filesystem::path folder = target.parent_path();
        // A file with other hard links is rewritten in place so that every
        // name sees the project; the complete copy stays beside it until the
        // rewrite is on disk, and replaces it (breaking the links but losing
        // nothing) if the rewrite fails.
        if (exists && old.st_nlink > 1) {
            SyncFolder(folder);
            if (WriteInPlace(target, text)) {
                ::unlink(temp.c_str());
                SyncFolder(folder);
                return true;
            }
        }
        if (::rename(temp.c_str(), target.c_str()) != 0) {
            ::unlink(temp.c_str());
            return false;
        }
        SyncFolder(folder);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace qelvorn

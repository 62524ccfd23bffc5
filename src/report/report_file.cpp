#include "report/report_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace qelvorn {

namespace {

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseName(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The absolute path with links, "." and ".." resolved; for a file that does
// not exist yet, its resolved folder and its name. Empty when the folder
// cannot be resolved either.
std::string Resolved(const std::string& path) {
    char buf[PATH_MAX];
    if (realpath(path.c_str(), buf)) return buf;
    if (!realpath(DirectoryOf(path).c_str(), buf)) return {};
    return std::string(buf) + "/" + BaseName(path);
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    struct stat sa {}, sb {};
    if (stat(a.c_str(), &sa) == 0 && stat(b.c_str(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    const std::string ra = Resolved(a);
    return !ra.empty() && ra == Resolved(b);
}

ReportFile::~ReportFile() { discard(); }

bool ReportFile::open(const std::string& target, const std::string& inputFile) {
    struct stat st {};
    const bool exists = stat(target.c_str(), &st) == 0;
    if (exists && !S_ISREG(st.st_mode)) {
        error_ = "The report file exists and is not a regular file: " + target;
        return false;
    }
    if (SameFile(target, inputFile)) {
        error_ = "The report file is the input file: " + target + " (input " + inputFile + ")";
        return false;
    }
    // A report reached through a symbolic link replaces the file it points
    // at, and keeps that file's permission bits; a new one gets the usual
    // bits of a new file.
    destination_ = target;
    struct stat link {};
    if (exists && lstat(target.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
        const std::string real = Resolved(target);
        if (!real.empty()) destination_ = real;
    }
    mode_t mode = 0;
    if (exists) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode = 0666 & ~mask;
    }

    std::string name = DirectoryOf(destination_) + "/." + BaseName(destination_) + ".XXXXXX";
    std::vector<char> buf(name.begin(), name.end());
    buf.push_back('\0');
    fd_ = mkostemp(buf.data(), O_CLOEXEC);
    if (fd_ >= 0) {
        temp_ = buf.data();
        fchmod(fd_, mode);
        return true;
    }
    // A folder the report may not be created in, holding a report that may
    // be written: written in place, as before.
    if (exists) {
        fd_ = ::open(destination_.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd_ >= 0) {
            inPlace_ = true;
            return true;
        }
    }
    error_ = "The report file could not be written: " + target;
    return false;
}

void ReportFile::write(std::string_view block) {
    while (!failed_ && !block.empty()) {
        const ssize_t n = ::write(fd_, block.data(), block.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            failed_ = true;
            break;
        }
        block.remove_prefix(static_cast<std::size_t>(n));
    }
}

bool ReportFile::commit() {
    if (fd_ < 0) return false;
    const bool closed = ::close(fd_) == 0;
    fd_ = -1;
    if (failed_ || !closed) {
        discard();
        return false;
    }
    if (inPlace_) return true;
    if (std::rename(temp_.c_str(), destination_.c_str()) != 0) {
        discard();
        return false;
    }
    temp_.clear();
    return true;
}

void ReportFile::discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

}  // namespace qelvorn

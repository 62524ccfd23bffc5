// The report file of a calculation run, written safely: the report goes to
// a temporary file created exclusively beside the target and is renamed
// over it when the run ends, so a run that is killed never leaves half a
// report in place of the previous one. Before anything is written the
// target is refused when it is not a regular file (a FIFO would block the
// run, a directory cannot hold it) or when it is the input file itself.
#pragma once

#include <string>
#include <string_view>

#include "report/report.h"

namespace qelvorn {

class ReportFile : public ReportSink {
public:
    ReportFile() = default;
    ReportFile(const ReportFile&) = delete;
    ReportFile& operator=(const ReportFile&) = delete;
    ~ReportFile() override;  // an uncommitted temporary file is removed

    // Checks the target against the input file and creates the temporary
    // file. False, with the reason in error(), when the report cannot or
    // must not be written there; nothing has been written then.
    bool open(const std::string& target, const std::string& inputFile);
    void write(std::string_view block) override;
    // Renames the temporary file over the target. False when a write, the
    // close or the rename failed: the temporary file is removed and the
    // previous report stays.
    bool commit();
    const std::string& error() const { return error_; }

private:
    void discard();
    int fd_ = -1;
    bool failed_ = false;
    bool inPlace_ = false;  // no temporary file could be made: the target is written directly
    std::string temp_, destination_, error_;
};

// True when the two paths name the same file: the same device and inode,
// or the same path once resolved (a file that does not exist yet).
bool SameFile(const std::string& a, const std::string& b);

}  // namespace qelvorn

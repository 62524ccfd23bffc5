// The input file (".in"): the project's input fields as positional,
// comma-separated text in internal units, with a title line first.
#pragma once

#include <string>

#include "model/project.h"

namespace qelvorn {

// Writes the project to p.InFile. Returns false on failure (the caller shows
// "Error writing input file", title "WRITE INPUT"); the previous file is then
// left as it was. The text goes to a new file of a unique name beside the
// target (created exclusively, never through a link), is flushed to disk and
// then replaces the target, which keeps its permission bits; a symbolic link
// is saved through to the file it points at, and a file with other hard
// links is rewritten in place so that all its names stay one file. A
// project holding a non-finite value is not written, nor is a target that
// is read-only or not a regular file. The completeness check's message is returned in
// checkMessage when the input is incomplete (the caller shows it, the file
// is written whatever the result).
bool WriteInputFile(Project& p, std::string* checkMessage = nullptr);

// Reads p.InFile into the project. Returns false on failure (the caller
// shows "Error reading input file", title "READ INPUT") and the project is
// then left exactly as it was. A failure is: a missing or unreadable file, a
// field that is not a plain number where one belongs, a number beyond the
// range of a single, an fc too small to give a concrete modulus (0 or less
// included), a table count the rest of the file cannot hold, or the end of
// the file before the last field. A table count
// of 0 or less reads no rows and keeps the tables in memory. The caller
// refills the windows after a successful read.
// problem, when given, receives why reading stopped and, for a file that
// could be opened, where: "line 12, field 3: \"1.5x\" is not a number".
bool ReadInputFile(Project& p, std::string* problem = nullptr);

// The file text of a project (empty when a value has no written form, i.e.
// is not finite), and reading such text into a project with the same rules
// as ReadInputFile.
std::string InputFileText(const Project& p);
bool ReadInputText(Project& p, const std::string& text, std::string* problem = nullptr);

}  // namespace qelvorn

// The input file (".in"): the project's input fields as positional,
// comma-separated text in internal units, with a title line first.
#pragma once

#include <string>

#include "model/project.h"

namespace qelvorn {

// Writes the project to p.InFile. Returns false on failure (the caller shows
// "Error writing input file", title "WRITE INPUT"); the previous file is then
// left as it was. The completeness check's message is returned in
// checkMessage when the input is incomplete (the caller shows it, the file
// is written whatever the result).
bool WriteInputFile(Project& p, std::string* checkMessage = nullptr);

// Reads p.InFile into the project. Returns false on failure (the caller
// shows "Error reading input file", title "READ INPUT") and the project is
// then left exactly as it was.
bool ReadInputFile(Project& p);

// The same on text in memory (for tests and the fuzzers).
std::string InputFileText(const Project& p);
bool ReadInputText(Project& p, const std::string& text);

}  // namespace qelvorn

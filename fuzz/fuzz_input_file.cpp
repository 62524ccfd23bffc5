// Fuzz target: the input file reader. Any text either loads whole or leaves
// the project exactly as it was; a text that loads is written back and must
// read again to the same file text (a saved project always reopens).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "io/input_file.h"
#include "model/defaults.h"

namespace {
void Fail(const char* what) {
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    qelvorn::Project p;
    qelvorn::ResetProject(p);
    const std::string before = qelvorn::InputFileText(p);
    if (!qelvorn::ReadInputText(p, text)) {
        if (qelvorn::InputFileText(p) != before) Fail("a failed read changed the project");
        return 0;
    }
    const std::string saved = qelvorn::InputFileText(p);
    if (saved.empty()) Fail("a project that loaded has no written form");
    qelvorn::Project q;
    qelvorn::ResetProject(q);
    if (!qelvorn::ReadInputText(q, saved)) Fail("the written form of a loaded project does not read back");
    if (qelvorn::InputFileText(q) != saved) Fail("the written form changed on a second save");
    return 0;
}

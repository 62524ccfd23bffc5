// Fuzz target: the leading-number reader used for typed values, with the
// count rounding and the number texts applied to what it reads.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <string_view>

#include "model/numtext.h"

namespace {
void Fail(const char* what, std::string_view text) {
    std::fprintf(stderr, "%s: \"%.*s\"\n", what, static_cast<int>(text.size()), text.data());
    std::abort();
}

bool HasNonFiniteWord(const std::string& s) {
    return s.find("inf") != std::string::npos || s.find("nan") != std::string::npos ||
           s.find("INF") != std::string::npos || s.find("NAN") != std::string::npos;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double v = qelvorn::LeadingNumber(text);
    if (std::isnan(v)) Fail("the leading number is not a number", text);
    static_cast<void>(qelvorn::RoundHalfEven(v));
    if (!std::isfinite(v) || std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) return 0;
    const float f = static_cast<float>(v);
    for (const char* pattern : {"0", "0.", "0.0", "0.00 ", "0.000", "0.0000", "0.000E+00", "0.00E+00 "}) {
        const std::string s = qelvorn::FormatNumber(f, pattern);
        if (s.empty() || HasNonFiniteWord(s)) Fail("bad formatted number", text);
    }
    const std::string shortest = qelvorn::ShortestText(f);
    if (shortest.empty() || HasNonFiniteWord(shortest)) Fail("bad shortest text", text);
    // The shortest text is what the input file stores: it must read back
    // to a value within its 7 significant digits.
    const double back = qelvorn::LeadingNumber(shortest);
    if (std::fabs(back - static_cast<double>(f)) > 1e-6 * std::fabs(static_cast<double>(f)) + 1e-300)
        Fail("shortest text does not read back", text);
    return 0;
}

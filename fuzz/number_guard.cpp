// Link-time guard for the whole-run fuzz target: every call of a number text
// function from another file comes here first (ld --wrap), and a value that
// is not finite aborts the run, so the fuzzer keeps the input. The report
// items test for such values themselves; this also covers texts a section
// formats on its own.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define QELVORN_SYM(name) __asm__(name)

std::string RealFormatNumber(float, std::string_view)
    QELVORN_SYM("__real__ZN7qelvorn12FormatNumberB5cxx11EfSt17basic_string_viewIcSt11char_traitsIcEE");
std::string RealShortestText(float) QELVORN_SYM("__real__ZN7qelvorn12ShortestTextB5cxx11Ef");
std::string RealSignedNumberText(float) QELVORN_SYM("__real__ZN7qelvorn16SignedNumberTextB5cxx11Ef");
std::string RealBareNumber(float) QELVORN_SYM("__real__ZN7qelvorn10BareNumberB5cxx11Ef");
char* RealWriteNumber(char*, float, std::string_view)
    QELVORN_SYM("__real__ZN7qelvorn11WriteNumberEPcfSt17basic_string_viewIcSt11char_traitsIcEE");
char* RealWriteBareNumber(char*, float) QELVORN_SYM("__real__ZN7qelvorn15WriteBareNumberEPcf");

namespace {
void Guard(float v, const char* function) {
    if (std::isfinite(v)) return;
    std::fprintf(stderr, "non-finite value %g passed to %s\n", static_cast<double>(v), function);
    std::abort();
}
}  // namespace

std::string WrapFormatNumber(float v, std::string_view pattern)
    QELVORN_SYM("__wrap__ZN7qelvorn12FormatNumberB5cxx11EfSt17basic_string_viewIcSt11char_traitsIcEE");
std::string WrapFormatNumber(float v, std::string_view pattern) {
    Guard(v, "FormatNumber");
    return RealFormatNumber(v, pattern);
}

std::string WrapShortestText(float v) QELVORN_SYM("__wrap__ZN7qelvorn12ShortestTextB5cxx11Ef");
std::string WrapShortestText(float v) {
    Guard(v, "ShortestText");
    return RealShortestText(v);
}

std::string WrapSignedNumberText(float v) QELVORN_SYM("__wrap__ZN7qelvorn16SignedNumberTextB5cxx11Ef");
std::string WrapSignedNumberText(float v) {
    Guard(v, "SignedNumberText");
    return RealSignedNumberText(v);
}

std::string WrapBareNumber(float v) QELVORN_SYM("__wrap__ZN7qelvorn10BareNumberB5cxx11Ef");
std::string WrapBareNumber(float v) {
    Guard(v, "BareNumber");
    return RealBareNumber(v);
}

char* WrapWriteNumber(char* p, float v, std::string_view pattern)
    QELVORN_SYM("__wrap__ZN7qelvorn11WriteNumberEPcfSt17basic_string_viewIcSt11char_traitsIcEE");
char* WrapWriteNumber(char* p, float v, std::string_view pattern) {
    Guard(v, "WriteNumber");
    return RealWriteNumber(p, v, pattern);
}

char* WrapWriteBareNumber(char* p, float v) QELVORN_SYM("__wrap__ZN7qelvorn15WriteBareNumberEPcf");
char* WrapWriteBareNumber(char* p, float v) {
    Guard(v, "WriteBareNumber");
    return RealWriteBareNumber(p, v);
}

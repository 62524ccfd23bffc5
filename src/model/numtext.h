// Number texts shared by the input file, the report and the windows:
// format patterns, the shortest decimal form of a single, the signed number
// text, the bare report number, the leading-number reader and rounding of
// counts to the nearest whole number.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qelvorn {

// Renders v with a picture pattern: "0", "0.", "0.0", "0.00", "0.000",
// "0.0000" (each optionally with a trailing blank, written literally), and
// the exponent patterns "0.000E+00" and "0.00E+00 ". The value is rounded to
// the pattern's decimals with halves away from zero, working on its
// 7-significant-digit decimal form (a single that reads 2.675 gives "2.68"
// with "0.00"). At least one digit stands before the point; every negative
// value carries "-", also one that rounds to zero ("-0.000"). No thousands
// separators. "0." renders as a whole number without a point.
std::string FormatNumber(float v, std::string_view pattern);
// The same text written at p, with room for NumberRoom(pattern) characters;
// returns the end (the report writer formats into its line this way).
char* WriteNumber(char* p, float v, std::string_view pattern);
// At most 39 digits before the point of a single, a sign and a point; the
// places and trailing blanks come from the pattern.
constexpr std::size_t NumberRoom(std::string_view pattern) { return 48 + pattern.size(); }

// The number of characters WriteNumber and WriteBareNumber write for v,
// found without writing them in the common cases (a report evaluated
// without its text measures its numbers this way).
std::size_t NumberWidth(float v, std::string_view pattern);
std::size_t BareNumberWidth(float v);

// Shortest decimal form of a single: at most 7 significant digits, trailing
// zeros and a trailing point dropped, no zero before the point below 1
// (".975", "-.5"), exponent form below 1E-04 and from 1E+07 up
// ("1.234568E+07", "2.356E-05"). No leading blank.
std::string ShortestText(float v);

// Signed number text: the shortest form preceded by a blank for a value of
// zero or more, by "-" for a negative one (" 5", "-2.5", " .975").
std::string SignedNumberText(float v);

// Bare report number: the signed number text followed by one blank
// (" .975 ", "-2 ", " 0 ").
std::string BareNumber(float v);
// The same written at p (room for kBareNumberRoom characters); returns the end.
char* WriteBareNumber(char* p, float v);
inline constexpr std::size_t kBareNumberRoom = 24;

// The leading number of a typed text, 0 when there is none: blanks, tabs
// and line feeds are skipped anywhere before and inside the number
// ("1 500" reads 1500); an optional sign, digits, one period and an
// exponent with E or D ("1D3" reads 1000); "&H" and "&O" prefixes read
// hexadecimal and octal whole numbers. Reading stops at the first character
// that cannot continue the number ("12ft" reads 12).
double LeadingNumber(std::string_view text);
// True when the whole text is one number as LeadingNumber reads it (blanks
// aside): "12", " 1 500", "1.5E3"; not "", "12ft", "1.5E".
bool IsCompleteNumber(std::string_view text);

// Nearest whole number with halves to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as a 32-bit count. Values beyond the 32-bit range saturate.
std::int32_t RoundHalfEven(double v);

// The value formatted with a pattern and read back ("0.000" -> 3 decimals,
// "0." -> whole number), halves away from zero: how derived properties are
// rounded.
float RoundByFormat(float v, std::string_view pattern);

}  // namespace qelvorn

// Number texts: every number the program shows or stores as text goes
// through the decimal form of the single rounded to 7 significant digits, so
// that a value prints as it reads (2.675 rounds to 2.68, not to 2.67 as its
// binary value would suggest).
#include "model/numtext.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace qelvorn {

namespace {

// "00" .. "99": two digits at a time.
constexpr auto kDigitPairs = [] {
    std::array<char, 200> t{};
    for (int i = 0; i < 100; ++i) {
        t[static_cast<std::size_t>(2 * i)] = static_cast<char>('0' + i / 10);
        t[static_cast<std::size_t>(2 * i + 1)] = static_cast<char>('0' + i % 10);
    }
    return t;
}();

// Writes the two digits of v (< 100) at p.
inline void WritePair(char* p, std::uint64_t v) {
    p[0] = kDigitPairs[2 * v];
    p[1] = kDigitPairs[2 * v + 1];
}

// Writes the `count` last digits of v right-aligned ending at q (leading
// zeros included); returns the start.
char* WriteDigitsBack(char* q, std::uint64_t v, int count) {
    for (; count >= 2; count -= 2) {
        q -= 2;
        WritePair(q, v % 100);
        v /= 100;
    }
    if (count == 1) *--q = static_cast<char>('0' + v % 10);
    return q;
}

// Writes v (no leading zeros, "0" for zero) right-aligned ending at q;
// returns the start.
char* WriteWholeBack(char* q, std::uint64_t v) {
    while (v >= 100) {
        q -= 2;
        WritePair(q, v % 100);
        v /= 100;
    }
    if (v >= 10) {
        q -= 2;
        WritePair(q, v);
    } else {
        *--q = static_cast<char>('0' + v);
    }
    return q;
}

// A finite value as sign and seven significant digits n = d1d2d3d4d5d6d7
// with a decimal exponent: |v| = d1.d2d3d4d5d6d7 x 10^exp, that is
// n x 10^(exp-6). Zero has n = 0 and exponent 0.
struct Decimal7 {
    bool negative = false;
    std::uint32_t n = 0;
    int exp = 0;
    // The seven digits, no terminator (n < 10^7: worked in 32 bits).
    void digits(char* d) const {
        const std::uint32_t high = n / 10000, low = n % 10000;
        d[0] = static_cast<char>('0' + high / 100);
        WritePair(d + 1, high % 100);
        WritePair(d + 3, low / 100);
        WritePair(d + 5, low % 100);
    }
};

// The first eight significant digits of a (> 0, the exact value of a
// single) and its decimal exponent, from the shortest text that reads back
// as a: far cheaper than the exact expansion. It lies within 1.2E-08 units
// of the eighth digit of a, so its eight leading digits are those of a
// whenever the digits after them stand at least 2E-08 units from a whole
// unit; otherwise (a short decimal like 2.5, or a tail of zeros or nines)
// returns false and the caller expands a exactly.
bool LeadingDigitsFast(double a, char* digits8, int& exp) {
    char buf[40];
    char* const end = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific).ptr;
    *end = '\0';
    const char* e = std::find(buf, end, 'e');
    if (e == end || buf[1] != '.') return false;
    // d.ddd...: the significant digits are buf[0] and buf[2..e).
    const std::size_t count = 1 + static_cast<std::size_t>(e - (buf + 2));
    if (count <= 8) return false;
    auto digit = [&](std::size_t i) { return i == 0 ? buf[0] : (i < count ? buf[i + 1] : '0'); };
    // The digits after the eighth as a fraction of a unit of the eighth, in
    // billionths (the shortest text has at most 17 digits).
    std::int64_t tail = 0;
    for (std::size_t i = 8; i < 17; ++i) tail = tail * 10 + (digit(i) - '0');
    if (tail < 20 || tail > 999999980) return false;
    exp = std::atoi(e + 1);
    for (std::size_t i = 0; i < 8; ++i) digits8[i] = digit(i);
    return true;
}

// Powers of ten for the arithmetic path, 10^-40 .. 10^60.
double Pow10(int k) {
    static const auto table = [] {
        std::array<double, 101> t{};
        for (int i = 0; i < 101; ++i) t[static_cast<std::size_t>(i)] = std::pow(10.0, i - 40);
        return t;
    }();
    return table[static_cast<std::size_t>(std::clamp(k, -40, 60) + 40)];
}

// The seven rounded digits by plain double arithmetic: a (the exact value
// of a single) scaled to seven digits before the point carries an error of
// a few units in 1E-09, so the rounding of the seventh digit is certain
// unless the fraction stands within 1E-06 of one half; then (and only then)
// returns false and the caller expands a exactly. Most numbers of a report
// take this path.
[[gnu::always_inline]] inline bool SevenDigitsArithmetic(double a, Decimal7& d) {
    // Decimal exponent estimated from the binary one (read off the bits of
    // the double), then corrected by the range test below.
    const int binaryExp = static_cast<int>((std::bit_cast<std::uint64_t>(a) >> 52) & 0x7FF) - 1023;
    int e = (binaryExp * 78913) >> 18;  // floor(binaryExp * log10(2)), also below zero
    for (int tries = 0; tries < 4; ++tries) {
        const double scaled = a * Pow10(6 - e);
        if (scaled < 1000000.0) {
            --e;
            continue;
        }
        if (scaled >= 10000000.0) {
            ++e;
            continue;
        }
        const auto truncated = static_cast<std::uint32_t>(scaled);  // scaled is positive
        const double frac = scaled - static_cast<double>(truncated);
        if (frac > 0.5 - 1e-6 && frac < 0.5 + 1e-6) return false;
        std::uint32_t n = truncated + (frac > 0.5 ? 1 : 0);
        if (n >= 10000000) {  // 9999999.6 -> 1000000 x 10^(e+1)
            n = 1000000;
            ++e;
        }
        d.n = n;
        d.exp = e;
        return true;
    }
    return false;
}

// The seven digits of a (> 0) when the arithmetic path cannot decide the
// rounding of the seventh: from the digits of its exact value.
[[gnu::noinline]] Decimal7 Decimal7FromExpansion(double a, bool negative) {
    Decimal7 d;
    d.negative = negative;
    char digits[8];
    if (!LeadingDigitsFast(a, digits, d.exp)) {
        // std::to_chars gives the same exactly rounded digits as printf's
        // "%.20e" at a fraction of the cost.
        char buf[64];
        const auto end = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, 20).ptr;
        *end = '\0';  // d.dddd...e+XX
        digits[0] = buf[0];
        std::copy(buf + 2, buf + 9, digits + 1);
        d.exp = std::atoi(buf + 23);
    }
    std::uint32_t n = 0;
    for (int i = 0; i < 7; ++i) n = n * 10 + static_cast<std::uint32_t>(digits[i] - '0');
    if (digits[7] >= '5' && ++n == 10000000) {  // 9999999.5 -> 1000000 x 10^(exp+1)
        n = 1000000;
        ++d.exp;
    }
    d.n = n;
    return d;
}

// Inlined into each caller: returned through memory, the small record cost
// more than the arithmetic that fills it.
[[gnu::always_inline]] inline Decimal7 ToDecimal7(float v) {
    Decimal7 d;
    d.negative = v < 0.0f;
    const double a = std::fabs(static_cast<double>(v));
    if (a == 0.0) return d;
    // The single's exact value carries at most 9 significant digits that
    // matter here; take more and round the seventh with halves away from
    // zero, as every other rounding of a displayed number does (a single
    // holding 3604996.5 reads 3604997, as the modulus 57000*sqrt(4000) =
    // 3604996.53 should).
    if (SevenDigitsArithmetic(a, d)) return d;
    return Decimal7FromExpansion(a, d.negative);
}

// Adds one unit in the last place of a digit string; returns true when the
// carry runs out of the front (all nines), the string then being all zeros.
bool IncrementDigits(std::string& s) {
    for (std::size_t i = s.size(); i-- > 0;) {
        if (s[i] == '9') {
            s[i] = '0';
        } else {
            ++s[i];
            return false;
        }
    }
    return true;
}

std::string_view NonFiniteText(float v) {
    if (std::isnan(v)) return "NaN";
    return v < 0.0f ? "-Infinity" : "Infinity";
}

// Count of the digits of v (at least one).
int DigitCount(std::uint64_t v) {
    int n = 1;
    for (std::uint64_t limit = 10; n < 20 && v >= limit; limit *= 10) ++n;
    return n;
}

// Fixed-point text with `decimals` places, halves away from zero, at least
// one digit before the point, no point when decimals is 0.
// Worked in whole numbers: the seven digits n stand for n x 10^(exp-6);
// scaled to `decimals` places and rounded with halves away from zero they
// give a whole number N whose last `decimals` digits follow the point.
// Writes at p and returns the end, or nullptr when N would not fit (very
// large values, many places). The digits go straight to their places,
// last first, once the length is known.
char* WriteFixedByIntegers(char* p, const Decimal7& d, int decimals) {
    static constexpr std::uint64_t kPow[] = {1ULL,         10ULL,         100ULL,         1000ULL,
                                             10000ULL,     100000ULL,     1000000ULL,     10000000ULL,
                                             100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL};
    if (decimals > 4) return nullptr;
    const int shift = d.exp - 6 + decimals;
    std::uint64_t whole = 0;
    if (d.n == 0) {
        whole = 0;
    } else if (shift >= 0) {
        if (shift > 11) return nullptr;
        whole = d.n * kPow[shift];
    } else if (-shift <= 7) {
        const std::uint64_t p10 = kPow[-shift];
        whole = d.n / p10 + (d.n % p10 >= p10 / 2 ? 1 : 0);
    }  // else: the first dropped digit is a leading zero, the value rounds to 0
    const std::uint64_t scale = kPow[decimals];
    const std::uint64_t intPart = whole / scale;
    if (d.negative) *p++ = '-';
    char* const end = p + DigitCount(intPart) + (decimals > 0 ? decimals + 1 : 0);
    char* q = end;
    if (decimals > 0) {
        q = WriteDigitsBack(q, whole % scale, decimals);
        *--q = '.';
    }
    WriteWholeBack(q, intPart);
    return end;
}

// The same picture for any size and number of places, digit by digit.
char* WriteFixedByDigits(char* p, const Decimal7& d, int decimals) {
    char d7[7];
    d.digits(d7);
    const std::string digits(d7, 7);
    std::string intPart, frac;
    if (d.n == 0) {
        intPart = "0";
    } else if (d.exp >= 0) {
        const std::size_t n = static_cast<std::size_t>(d.exp) + 1;
        if (n >= digits.size()) {
            intPart = digits + std::string(n - digits.size(), '0');
        } else {
            intPart = digits.substr(0, n);
            frac = digits.substr(n);
        }
    } else {
        intPart = "0";
        frac = std::string(static_cast<std::size_t>(-d.exp - 1), '0') + digits;
    }
    const std::size_t keep = static_cast<std::size_t>(decimals);
    bool roundUp = frac.size() > keep && frac[keep] >= '5';
    if (frac.size() > keep) frac.resize(keep);
    frac.append(keep - frac.size(), '0');
    if (roundUp) {
        if (IncrementDigits(frac) && IncrementDigits(intPart)) intPart.insert(intPart.begin(), '1');
    }
    if (d.negative) *p++ = '-';
    p = std::copy(intPart.begin(), intPart.end(), p);
    if (decimals > 0) {
        *p++ = '.';
        p = std::copy(frac.begin(), frac.end(), p);
    }
    return p;
}

// "E", sign and at least two exponent digits; returns the end.
char* WriteExponent(char* p, int e) {
    *p++ = 'E';
    *p++ = e < 0 ? '-' : '+';
    const int a = e < 0 ? -e : e;
    if (a >= 100) *p++ = static_cast<char>('0' + a / 100);
    *p++ = static_cast<char>('0' + a / 10 % 10);
    *p++ = static_cast<char>('0' + a % 10);
    return p;
}

// Exponent picture: mantissa with `decimals` places (halves away from zero),
// "E", sign, at least two exponent digits.
char* WriteExponentText(char* p, float v, int decimals) {
    Decimal7 d = ToDecimal7(v);
    char d7[7];
    d.digits(d7);
    const std::string digits(d7, 7);
    const std::size_t keep = static_cast<std::size_t>(decimals) + 1;
    std::string m = digits.substr(0, keep);
    if (keep < digits.size() && digits[keep] >= '5' && IncrementDigits(m)) {
        m.insert(m.begin(), '1');
        m.pop_back();
        ++d.exp;
    }
    if (d.negative) *p++ = '-';
    *p++ = m[0];
    if (decimals > 0) {
        *p++ = '.';
        p = std::copy(m.begin() + 1, m.end(), p);
    }
    return WriteExponent(p, d.exp);
}

// Shortest text of a finite value into p (room for 16 characters); returns
// the end.
char* WriteShortest(char* p, float v) {
    const Decimal7 d = ToDecimal7(v);
    if (d.n == 0) {
        *p++ = '0';
        return p;
    }
    char digits[7];
    d.digits(digits);
    int len = 7;
    while (len > 1 && digits[len - 1] == '0') --len;
    if (d.negative) *p++ = '-';
    if (d.exp < -4 || d.exp >= 7) {
        *p++ = digits[0];
        if (len > 1) {
            *p++ = '.';
            p = std::copy(digits + 1, digits + len, p);
        }
        return WriteExponent(p, d.exp);
    }
    if (d.exp < 0) {
        *p++ = '.';
        p = std::fill_n(p, -d.exp - 1, '0');
        return std::copy(digits, digits + len, p);
    }
    const int whole = d.exp + 1;
    if (len <= whole) {
        p = std::copy(digits, digits + len, p);
        return std::fill_n(p, whole - len, '0');
    }
    p = std::copy(digits, digits + whole, p);
    *p++ = '.';
    return std::copy(digits + whole, digits + len, p);
}

// A picture split into its number part: decimals, exponent form, and the
// count of trailing blanks written literally after the number.
struct Picture {
    int decimals = 0;
    bool exponent = false;
    std::size_t trailingBlanks = 0;
};

Picture ParsePicture(std::string_view pattern) {
    Picture pic;
    std::size_t end = pattern.size();
    while (end > 0 && pattern[end - 1] == ' ') --end;
    pic.trailingBlanks = pattern.size() - end;
    bool afterPoint = false;
    for (std::size_t i = 0; i < end; ++i) {
        const char c = pattern[i];
        if (c == 'E' || c == 'e') {
            pic.exponent = true;
            break;
        }
        if (afterPoint) ++pic.decimals;
        else if (c == '.') afterPoint = true;
    }
    return pic;
}

}  // namespace

char* WriteNumber(char* p, float v, std::string_view pattern) {
    const Picture pic = ParsePicture(pattern);
    if (!std::isfinite(v)) {
        const std::string_view t = NonFiniteText(v);
        p = std::copy(t.begin(), t.end(), p);
    } else if (pic.exponent) {
        p = WriteExponentText(p, v, pic.decimals);
    } else {
        const Decimal7 d = ToDecimal7(v);
        char* const end = WriteFixedByIntegers(p, d, pic.decimals);
        p = end ? end : WriteFixedByDigits(p, d, pic.decimals);
    }
    return std::fill_n(p, pic.trailingBlanks, ' ');
}

std::size_t NumberWidth(float v, std::string_view pattern) {
    // The patterns are a handful of literals: their pictures are kept by
    // address, so a report measured line after line parses each one once.
    struct Cached {
        const char* data = nullptr;
        std::size_t size = 0;
        Picture pic;
    };
    thread_local std::array<Cached, 16> cache;
    Cached& slot = cache[(reinterpret_cast<std::uintptr_t>(pattern.data()) >> 2) % cache.size()];
    if (slot.data != pattern.data() || slot.size != pattern.size()) slot = {pattern.data(), pattern.size(), ParsePicture(pattern)};
    const Picture& pic = slot.pic;
    // Fixed patterns: a sign for a negative value, the digits before the
    // point, the point and the places. Values near a power of ten (which
    // may round up to one more digit), a negative zero and exponent patterns
    // are measured by writing them.
    if (std::isfinite(v) && !pic.exponent && pic.decimals <= 6 && !(v == 0.0f && std::signbit(v))) {
        static constexpr double kPlace[] = {1.0, 1e-1, 1e-2, 1e-3, 1e-4, 1e-5, 1e-6};
        const double a = std::fabs(static_cast<double>(v));
        if (a < 1e6) {
            std::size_t digits = 1;
            double limit = 10.0;
            while (a >= limit) {
                ++digits;
                limit *= 10.0;
            }
            if (a * (1.0 + 1e-6) + kPlace[pic.decimals] < limit) {
                const std::size_t places = pic.decimals > 0 ? 1 + static_cast<std::size_t>(pic.decimals) : 0;
                return (v < 0.0f ? 1 : 0) + digits + places + pic.trailingBlanks;
            }
        }
    }
    return FormatNumber(v, pattern).size();
}

std::size_t BareNumberWidth(float v) {
    // Whole numbers (combination and case numbers): sign or blank, digits,
    // blank.
    if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 1e6f && !(v == 0.0f && std::signbit(v))) {
        std::size_t digits = 1;
        for (float a = std::fabs(v); a >= 10.0f; a /= 10.0f) ++digits;
        return digits + 2;
    }
    char buf[kBareNumberRoom];
    return static_cast<std::size_t>(WriteBareNumber(buf, v) - buf);
}

std::string FormatNumber(float v, std::string_view pattern) {
    std::string s(NumberRoom(pattern), '\0');
    s.resize(static_cast<std::size_t>(WriteNumber(s.data(), v, pattern) - s.data()));
    return s;
}

std::string ShortestText(float v) {
    if (!std::isfinite(v)) return std::string(NonFiniteText(v));
    char buf[24];
    return std::string(buf, WriteShortest(buf, v));
}

std::string SignedNumberText(float v) {
    const std::string s = ShortestText(v);
    if (!s.empty() && s[0] == '-') return s;
    return " " + s;
}

char* WriteBareNumber(char* p, float v) {
    if (!std::isfinite(v)) {
        const std::string t = SignedNumberText(v) + ' ';
        return std::copy(t.begin(), t.end(), p);
    }
    if (!(v < 0.0f)) *p++ = ' ';
    p = WriteShortest(p, v);
    *p++ = ' ';
    return p;
}

std::string BareNumber(float v) {
    char buf[kBareNumberRoom];
    return std::string(buf, WriteBareNumber(buf, v));
}

namespace {

// The leading number of text; *end is where reading stopped (blanks after
// the number skipped), 0 when the text holds no number.
double ReadLeadingNumber(std::string_view text, std::size_t* end) {
    std::size_t i = 0;
    *end = 0;
    const std::size_t n = text.size();
    auto skip = [&] {
        while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n')) ++i;
    };
    auto at = [&](char c) {
        return i < n && (text[i] == c || text[i] == static_cast<char>(c + ('a' - 'A')));
    };
    skip();
    // &H (hexadecimal) and &O (octal) whole numbers.
    if (i + 1 < n && text[i] == '&' && (text[i + 1] == 'H' || text[i + 1] == 'h' || text[i + 1] == 'O' ||
                                        text[i + 1] == 'o')) {
        const int base = (text[i + 1] == 'H' || text[i + 1] == 'h') ? 16 : 8;
        i += 2;
        double value = 0;
        bool anyDigit = false;
        for (;; ++i) {
            skip();
            if (i >= n) break;
            const char c = text[i];
            int digit = -1;
            if (c >= '0' && c <= '9') digit = c - '0';
            else if (base == 16 && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
            else if (base == 16 && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
            if (digit < 0 || digit >= base) break;
            value = value * base + digit;
            anyDigit = true;
        }
        if (!anyDigit || !std::isfinite(value)) return 0.0;
        *end = i;
        return value;
    }
    // Collect the number without its embedded blanks, then convert it.
    std::string s;
    if (i < n && (text[i] == '-' || text[i] == '+')) s += text[i++];
    bool anyDigit = false, point = false;
    for (;; ++i) {
        skip();
        if (i >= n) break;
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            s += c;
            anyDigit = true;
        } else if (c == '.' && !point) {
            s += c;
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    skip();
    if (at('E') || at('D')) {
        std::size_t save = i;
        std::string e = "e";
        ++i;
        skip();
        if (i < n && (text[i] == '-' || text[i] == '+')) e += text[i++];
        bool expDigit = false;
        for (;; ++i) {
            skip();
            if (i >= n || text[i] < '0' || text[i] > '9') break;
            e += text[i];
            expDigit = true;
        }
        if (expDigit) s += e;
        else i = save;
    }
    const double value = std::strtod(s.c_str(), nullptr);
    // A number beyond the range of a double reads as no number at all.
    if (!std::isfinite(value)) return 0.0;
    skip();
    *end = i;
    return value;
}

}  // namespace

double LeadingNumber(std::string_view text) {
    std::size_t end = 0;
    return ReadLeadingNumber(text, &end);
}

bool IsCompleteNumber(std::string_view text) {
    std::size_t end = 0;
    ReadLeadingNumber(text, &end);
    return end > 0 && end == text.size();
}

std::int32_t RoundHalfEven(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    // Ties to even independently of the current rounding mode.
    double r = std::floor(v);
    const double diff = v - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return static_cast<std::int32_t>(r);
}

float RoundByFormat(float v, std::string_view pattern) {
    if (!std::isfinite(v)) return v;
    const std::string s = FormatNumber(v, pattern);
    return std::strtof(s.c_str(), nullptr);
}

}  // namespace qelvorn

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

// A finite value as sign, seven significant digits d1..d7 and a decimal
// exponent: |v| = d1.d2d3d4d5d6d7 x 10^exp. Zero has digits "0000000" and
// exponent 0.
struct Decimal7 {
    bool negative = false;
    std::string digits;  // exactly 7 digits
    int exp = 0;
};

// The first eight significant digits of a (> 0, the exact value of a
// single) and its decimal exponent, from the shortest text that reads back
// as a: every number of a report comes here, and the shortest text is far
// cheaper than the exact expansion. It lies within 1.2E-08 units of the
// eighth digit of a, so its eight leading digits are those of a whenever the
// digits after them stand at least 2E-08 units from a whole unit; otherwise
// (a short decimal like 2.5, or a tail of zeros or nines) returns false and
// the caller expands a exactly.
bool LeadingDigitsFast(double a, std::string& digits, int& exp) {
    char buf[40];
    char* const end = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific).ptr;
    *end = '\0';
    const char* e = std::find(buf, end, 'e');
    if (e == end) return false;
    digits.assign(1, buf[0]);
    if (buf[1] == '.') digits.append(buf + 2, static_cast<std::size_t>(e - (buf + 2)));
    if (digits.size() <= 8) return false;
    // The digits after the eighth as a fraction of a unit of the eighth, in
    // billionths (the shortest text has at most 17 digits).
    std::int64_t tail = 0;
    for (std::size_t i = 8; i < 17; ++i) tail = tail * 10 + (i < digits.size() ? digits[i] - '0' : 0);
    if (tail < 20 || tail > 999999980) return false;
    exp = std::atoi(e + 1);
    digits.resize(8);
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
bool SevenDigitsArithmetic(double a, Decimal7& d) {
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
        const long truncated = static_cast<long>(scaled);  // scaled is positive
        const double frac = scaled - static_cast<double>(truncated);
        if (frac > 0.5 - 1e-6 && frac < 0.5 + 1e-6) return false;
        long n = truncated + (frac > 0.5 ? 1 : 0);
        if (n >= 10000000) {  // 9999999.6 -> 1000000 x 10^(e+1)
            n = 1000000;
            ++e;
        }
        char digits[8];
        for (int i = 6; i >= 0; --i) {
            digits[i] = static_cast<char>('0' + n % 10);
            n /= 10;
        }
        d.digits.assign(digits, 7);
        d.exp = e;
        return true;
    }
    return false;
}

Decimal7 ToDecimal7(float v) {
    Decimal7 d;
    d.negative = v < 0.0f;
    const double a = std::fabs(static_cast<double>(v));
    if (a == 0.0) {
        d.digits = "0000000";
        return d;
    }
    // The single's exact value carries at most 9 significant digits that
    // matter here; take more and round the seventh with halves away from
    // zero, as every other rounding of a displayed number does (a single
    // holding 3604996.5 reads 3604997, as the modulus 57000*sqrt(4000) =
    // 3604996.53 should).
    if (SevenDigitsArithmetic(a, d)) return d;
    std::string digits;
    if (!LeadingDigitsFast(a, digits, d.exp)) {
        // std::to_chars gives the same exactly rounded digits as printf's
        // "%.20e" at a fraction of the cost.
        char buf[64];
        const auto end = std::to_chars(buf, buf + sizeof buf - 1, a, std::chars_format::scientific, 20).ptr;
        *end = '\0';  // d.dddd...e+XX
        digits.assign(1, buf[0]);
        digits.append(buf + 2, 20);
        d.exp = std::atoi(buf + 23);
    }
    d.digits = digits.substr(0, 7);
    if (digits[7] >= '5') {
        bool carry = true;
        for (std::size_t i = 7; carry && i-- > 0;) {
            if (d.digits[i] == '9') {
                d.digits[i] = '0';
            } else {
                ++d.digits[i];
                carry = false;
            }
        }
        if (carry) {  // 9999999.5 -> 1000000 x 10^(exp+1)
            d.digits = "1000000";
            ++d.exp;
        }
    }
    return d;
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

std::string NonFiniteText(float v) {
    if (std::isnan(v)) return "NaN";
    return v < 0.0f ? "-Infinity" : "Infinity";
}

// Fixed-point text with `decimals` places, halves away from zero, at least
// one digit before the point. No point when decimals is 0.
// The fixed picture worked in whole numbers: the seven digits n stand for
// n x 10^(exp-6); scaled to `decimals` places and rounded with halves away
// from zero they give a whole number N whose last `decimals` digits follow
// the point. Returns false when N would not fit (very large values).
bool FixedTextByIntegers(const Decimal7& d, int decimals, std::string& out) {
    static constexpr std::uint64_t kPow[] = {1ULL,         10ULL,         100ULL,         1000ULL,
                                             10000ULL,     100000ULL,     1000000ULL,     10000000ULL,
                                             100000000ULL, 1000000000ULL, 10000000000ULL, 100000000000ULL};
    std::uint64_t n = 0;
    for (char c : d.digits) n = n * 10 + static_cast<std::uint64_t>(c - '0');
    const int shift = d.exp - 6 + decimals;
    std::uint64_t whole = 0;
    if (n == 0) {
        whole = 0;
    } else if (shift >= 0) {
        if (shift > 11) return false;
        whole = n * kPow[shift];
    } else if (-shift <= 7) {
        const std::uint64_t p = kPow[-shift];
        whole = n / p + (n % p >= p / 2 ? 1 : 0);
    }  // else: the first dropped digit is a leading zero, the value rounds to 0
    char buf[40];
    char* end = buf + sizeof buf;
    char* q = end;
    for (int i = 0; i < decimals; ++i) {
        *--q = static_cast<char>('0' + whole % 10);
        whole /= 10;
    }
    if (decimals > 0) *--q = '.';
    do {
        *--q = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (d.negative) *--q = '-';
    out.assign(q, static_cast<std::size_t>(end - q));
    return true;
}

std::string FixedText(float v, int decimals) {
    const Decimal7 d = ToDecimal7(v);
    if (std::string fast; decimals <= 4 && FixedTextByIntegers(d, decimals, fast)) return fast;
    std::string intPart, frac;
    if (d.digits == "0000000") {
        intPart = "0";
    } else if (d.exp >= 0) {
        const std::size_t n = static_cast<std::size_t>(d.exp) + 1;
        if (n >= d.digits.size()) {
            intPart = d.digits + std::string(n - d.digits.size(), '0');
        } else {
            intPart = d.digits.substr(0, n);
            frac = d.digits.substr(n);
        }
    } else {
        intPart = "0";
        frac = std::string(static_cast<std::size_t>(-d.exp - 1), '0') + d.digits;
    }
    const std::size_t keep = static_cast<std::size_t>(decimals);
    bool roundUp = frac.size() > keep && frac[keep] >= '5';
    if (frac.size() > keep) frac.resize(keep);
    frac.append(keep - frac.size(), '0');
    if (roundUp) {
        if (IncrementDigits(frac) && IncrementDigits(intPart)) intPart.insert(intPart.begin(), '1');
    }
    std::string s = d.negative ? "-" : "";
    s += intPart;
    if (decimals > 0) {
        s += '.';
        s += frac;
    }
    return s;
}

std::string ExponentDigits(int e) {
    std::string s = e < 0 ? "-" : "+";
    const int a = e < 0 ? -e : e;
    if (a < 10) s += '0';
    s += std::to_string(a);
    return s;
}

// Exponent picture: mantissa with `decimals` places (halves away from zero),
// "E", sign, at least two exponent digits.
std::string ExponentText(float v, int decimals) {
    Decimal7 d = ToDecimal7(v);
    const std::size_t keep = static_cast<std::size_t>(decimals) + 1;
    std::string m = d.digits.substr(0, keep);
    if (keep < d.digits.size() && d.digits[keep] >= '5' && IncrementDigits(m)) {
        m.insert(m.begin(), '1');
        m.pop_back();
        ++d.exp;
    }
    std::string s = d.negative ? "-" : "";
    s += m[0];
    if (decimals > 0) {
        s += '.';
        s += m.substr(1);
    }
    s += 'E';
    s += ExponentDigits(d.exp);
    return s;
}

}  // namespace

std::string FormatNumber(float v, std::string_view pattern) {
    std::string_view core = pattern;
    std::string tail;
    while (!core.empty() && core.back() == ' ') {
        core.remove_suffix(1);
        tail += ' ';
    }
    if (!std::isfinite(v)) return NonFiniteText(v) + tail;
    const std::size_t e = core.find_first_of("Ee");
    const std::size_t dot = core.find('.');
    int decimals = 0;
    if (dot != std::string_view::npos) {
        const std::size_t end = e == std::string_view::npos ? core.size() : e;
        decimals = static_cast<int>(end - dot - 1);
    }
    if (e != std::string_view::npos) return ExponentText(v, decimals) + tail;
    return FixedText(v, decimals) + tail;
}

std::string ShortestText(float v) {
    if (!std::isfinite(v)) return NonFiniteText(v);
    const Decimal7 d = ToDecimal7(v);
    if (d.digits == "0000000") return "0";
    std::string digits = d.digits;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string s = d.negative ? "-" : "";
    if (d.exp < -4 || d.exp >= 7) {
        s += digits[0];
        if (digits.size() > 1) {
            s += '.';
            s += digits.substr(1);
        }
        s += 'E';
        s += ExponentDigits(d.exp);
    } else if (d.exp < 0) {
        s += '.';
        s += std::string(static_cast<std::size_t>(-d.exp - 1), '0');
        s += digits;
    } else {
        const std::size_t n = static_cast<std::size_t>(d.exp) + 1;
        if (digits.size() <= n) {
            s += digits + std::string(n - digits.size(), '0');
        } else {
            s += digits.substr(0, n);
            s += '.';
            s += digits.substr(n);
        }
    }
    return s;
}

std::string SignedNumberText(float v) {
    const std::string s = ShortestText(v);
    if (!s.empty() && s[0] == '-') return s;
    return " " + s;
}

std::string BareNumber(float v) { return SignedNumberText(v) + " "; }

double LeadingNumber(std::string_view text) {
    std::size_t i = 0;
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
        }
        return std::isfinite(value) ? value : 0.0;
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
    return std::isfinite(value) ? value : 0.0;
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

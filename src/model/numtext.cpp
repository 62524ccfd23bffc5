// Placeholder: the number texts are being written.
#include "model/numtext.h"

namespace qelvorn {
std::string FormatNumber(float, std::string_view) { return {}; }
std::string ShortestText(float) { return {}; }
std::string SignedNumberText(float) { return {}; }
std::string BareNumber(float) { return {}; }
double LeadingNumber(std::string_view) { return 0; }
std::int32_t RoundHalfEven(double) { return 0; }
float RoundByFormat(float v, std::string_view) { return v; }
}  // namespace qelvorn

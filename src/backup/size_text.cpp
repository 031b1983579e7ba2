#include "backup/size_text.h"

namespace backup {

namespace {

constexpr std::uint64_t kBytesPerMb = 1024 * 1024;

}  // namespace

std::int64_t SizeInHundredthsOfMb(std::uint64_t bytes) {
  // Whole MB and the rest apart, so that bytes * 100 cannot overflow and no
  // binary fraction blurs an exact half.
  const std::uint64_t whole = bytes / kBytesPerMb;
  const std::uint64_t scaled_rest = bytes % kBytesPerMb * 100;
  std::uint64_t hundredths = whole * 100 + scaled_rest / kBytesPerMb;
  const std::uint64_t remainder = scaled_rest % kBytesPerMb;
  if (remainder * 2 > kBytesPerMb || (remainder * 2 == kBytesPerMb && hundredths % 2 == 1)) {
    ++hundredths;
  }
  return static_cast<std::int64_t>(hundredths);
}

std::string SizeText(std::uint64_t bytes, const std::string& decimal_separator,
                     const std::string& unit) {
  const std::int64_t hundredths = SizeInHundredthsOfMb(bytes);
  std::string text = std::to_string(hundredths / 100);
  const std::int64_t fraction = hundredths % 100;
  if (fraction != 0) {
    text += decimal_separator + std::to_string(fraction / 10);
    if (fraction % 10 != 0) text += std::to_string(fraction % 10);
  }
  return text + " " + unit;
}

}  // namespace backup

#include "backup/size_text.h"

#include <cstdint>
#include <limits>

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t kMb = 1024 * 1024;

TEST(BackupSizeText, HundredthsOfMbHalvesToEvenAndShortestText) {
  struct Case {
    std::uint64_t bytes;
    std::int64_t hundredths;
    const char* text;
  };
  const Case cases[] = {
      {0, 0, "0 MB"},
      {2 * kMb, 200, "2 MB"},
      {3 * kMb / 2, 150, "1.5 MB"},
      {39237714, 3742, "37.42 MB"},  // 37.42 MB
      {39216742, 3740, "37.4 MB"},
      {52429, 5, "0.05 MB"},
      // Just below and above half a hundredth (5242.88 bytes).
      {5242, 0, "0 MB"},
      {5243, 1, "0.01 MB"},
      // Exact halves in bytes: 0.125, 0.375, 0.625 and 2.125 MB.
      {kMb / 8, 12, "0.12 MB"},
      {3 * kMb / 8, 38, "0.38 MB"},
      {5 * kMb / 8, 62, "0.62 MB"},
      {2 * kMb + kMb / 8, 212, "2.12 MB"},
      {kMb - 1, 100, "1 MB"},  // rounds up into the next whole MB
      {5120 * kMb, 512000, "5120 MB"},
      {std::numeric_limits<std::uint64_t>::max(), 1759218604441600, "17592186044416 MB"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(backup::SizeInHundredthsOfMb(c.bytes), c.hundredths);
    EXPECT_EQ(backup::SizeText(c.bytes, ".", "MB"), c.text);
  }
}

TEST(BackupSizeText, LocaleSeparatorAndUnit) {
  EXPECT_EQ(backup::SizeText(39216742, ",", "Mo"), "37,4 Mo");
  EXPECT_EQ(backup::SizeText(2 * kMb, ",", "Mo"), "2 Mo");
}

}  // namespace

// The size column of the backup list.
#pragma once

#include <cstdint>
#include <string>

namespace backup {

// The length in MB (bytes / 1024 / 1024) in hundredths, rounded half to even.
std::int64_t SizeInHundredthsOfMb(std::uint64_t bytes);
// That size in the shortest form ("37.4", "2", "0.05"), with `decimal_separator`,
// a blank and `unit`.
std::string SizeText(std::uint64_t bytes, const std::string& decimal_separator,
                     const std::string& unit);

}  // namespace backup

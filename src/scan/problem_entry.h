// One row of the problem list.
#pragma once

#include <string>

namespace scan {

struct ProblemEntry {
  std::string location;    // root name, "\", key path
  std::string value_name;  // empty for a key's default value
  std::string value_data;  // the data as text
  std::string reason;      // one entry of the reason table
  std::string reg_type;    // registry type in decimal
  std::string attributes;  // never filled

  bool operator==(const ProblemEntry&) const = default;
};

}  // namespace scan

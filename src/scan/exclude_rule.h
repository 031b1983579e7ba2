// One exclusion rule: scans leave alone the locations whose text contains it.
#pragma once

#include <string>

namespace scan {

struct ExcludeRule {
  std::string text;        // the location text to look for
  std::string must_begin;  // display text of the must-begin option, in the language of its day
  bool enabled = true;     // the row's check box
};

}  // namespace scan

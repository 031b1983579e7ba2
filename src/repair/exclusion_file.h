// The exclusion file "Exclude.lst": one rule per line, CR LF ended,
// fields "text;;must-begin;;True|False", neither quoted nor escaped.
#pragma once

#include <string>
#include <vector>

#include "scan/exclude_rule.h"

namespace repair {

// The rules of a whole file. A lone LF also ends a line; an empty line adds
// no rule; missing fields leave the rule without them (not enabled).
std::vector<scan::ExcludeRule> ParseExcludeFile(const std::string& text);
// The whole file for `rules`: empty for no rules.
std::string FormatExcludeFile(const std::vector<scan::ExcludeRule>& rules);

// One line of the file, without its line end.
scan::ExcludeRule ParseExcludeLine(const std::string& line);
// The lines of a file, without their line ends.
std::vector<std::string> ExcludeFileLines(const std::string& text);

}  // namespace repair

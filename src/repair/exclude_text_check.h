// What the exclusion dialog's OK accepts as a rule text, and how the main
// window reads the dialog's answer.
#pragma once

#include <string>

#include "common/text_source.h"

namespace repair {

enum class ExcludeTextProblem { kNone, kBlank, kLineBreak, kSeparator };

// A blank text would exclude every location; a line break or ";;" cannot
// live in the exclusion file (they would come back as other rules).
ExcludeTextProblem CheckExcludeText(const std::string& text);
// The ID of the message's prompt for a refused text (its title is always
// "HIVECARE_EXCLUDE_STRING_5"); null for kNone.
const char* ExcludeTextMessageId(ExcludeTextProblem problem);
// True when the dialog's Choice is taken as confirmation: it equals the
// text of "HIVECARE_REGCLEANER_STRING_44" or "HIVECARE_REGCLEANER_STRING_43".
bool ChoiceConfirms(common::TextSource& texts, const std::string& choice);

}  // namespace repair

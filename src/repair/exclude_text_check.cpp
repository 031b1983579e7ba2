#include "repair/exclude_text_check.h"

#include "common/strings.h"

namespace repair {

ExcludeTextProblem CheckExcludeText(const std::string& text) {
  const std::string trimmed = common::Trim(text);
  if (trimmed.empty()) return ExcludeTextProblem::kBlank;
  if (text.find_first_of("\r\n") != std::string::npos) return ExcludeTextProblem::kLineBreak;
  // The rule is stored trimmed and followed by ";;", so a final ";" would
  // join that separator and move the columns just as ";;" inside does.
  if (common::Contains(trimmed, ";;") || trimmed.back() == ';') {
    return ExcludeTextProblem::kSeparator;
  }
  return ExcludeTextProblem::kNone;
}

const char* ExcludeTextMessageId(ExcludeTextProblem problem) {
  switch (problem) {
    case ExcludeTextProblem::kBlank: return "HIVECARE_EXCLUDE_STRING_4";
    case ExcludeTextProblem::kLineBreak: return "HIVECARE_EXCLUDE_STRING_7";
    case ExcludeTextProblem::kSeparator: return "HIVECARE_EXCLUDE_STRING_8";
    case ExcludeTextProblem::kNone: break;
  }
  return nullptr;
}

bool ChoiceConfirms(common::TextSource& texts, const std::string& choice) {
  return choice == texts.GetText("HIVECARE_REGCLEANER_STRING_44") ||
         choice == texts.GetText("HIVECARE_REGCLEANER_STRING_43");
}

}  // namespace repair

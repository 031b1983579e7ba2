// Texts the main window fetches once at load and keeps for the whole run.
#pragma once

#include <array>
#include <string>

#include "common/text_source.h"

namespace scan {

inline constexpr std::size_t kReasonCount = 61;

struct KeptTexts {
  std::array<std::string, kReasonCount> reason;  // 0..12 filled, the rest empty
  std::string stop_caption;    // HIVECARE_REGCLEANER_STRING_93
  std::string idle_caption;    // HIVECARE_REGCLEANER_STRING_305
  std::string no_area;         // HIVECARE_REGCLEANER_STRING_18
  std::string panel1_prefix;   // HIVECARE_REGCLEANER_STRING_19
  std::string count_suffix;    // HIVECARE_REGCLEANER_STRING_20
  std::string panel2_prefix;   // HIVECARE_REGCLEANER_STRING_21
  std::string scan_done_link;  // HIVECARE_REGCLEANER_STRING_22
  std::string edit_question;   // HIVECARE_REGCLEANER_STRING_23
  std::string delete_question; // HIVECARE_REGCLEANER_STRING_24

  // Fetches every kept text, in the order the window loads them.
  static KeptTexts Load(common::TextSource& texts);
};

}  // namespace scan

#include "scan/kept_texts.h"

namespace scan {

namespace {

// Reason entry n is text number n + 3; the entries after these stay empty.
constexpr const char* kReasonIds[] = {
    "HIVECARE_REGCLEANER_STRING_3",  "HIVECARE_REGCLEANER_STRING_4",
    "HIVECARE_REGCLEANER_STRING_5",  "HIVECARE_REGCLEANER_STRING_6",
    "HIVECARE_REGCLEANER_STRING_7",  "HIVECARE_REGCLEANER_STRING_8",
    "HIVECARE_REGCLEANER_STRING_9",  "HIVECARE_REGCLEANER_STRING_10",
    "HIVECARE_REGCLEANER_STRING_11", "HIVECARE_REGCLEANER_STRING_12",
    "HIVECARE_REGCLEANER_STRING_13", "HIVECARE_REGCLEANER_STRING_14",
    "HIVECARE_REGCLEANER_STRING_15",
};

}  // namespace

KeptTexts KeptTexts::Load(common::TextSource& texts) {
  KeptTexts kept;
  for (std::size_t entry = 0; entry < std::size(kReasonIds); ++entry) {
    kept.reason[entry] = texts.GetText(kReasonIds[entry]);
  }
  kept.stop_caption = texts.GetText("HIVECARE_REGCLEANER_STRING_93");
  kept.idle_caption = texts.GetText("HIVECARE_REGCLEANER_STRING_305");
  kept.no_area = texts.GetText("HIVECARE_REGCLEANER_STRING_18");
  kept.panel1_prefix = texts.GetText("HIVECARE_REGCLEANER_STRING_19");
  kept.count_suffix = texts.GetText("HIVECARE_REGCLEANER_STRING_20");
  kept.panel2_prefix = texts.GetText("HIVECARE_REGCLEANER_STRING_21");
  kept.scan_done_link = texts.GetText("HIVECARE_REGCLEANER_STRING_22");
  kept.edit_question = texts.GetText("HIVECARE_REGCLEANER_STRING_23");
  kept.delete_question = texts.GetText("HIVECARE_REGCLEANER_STRING_24");
  return kept;
}

}  // namespace scan

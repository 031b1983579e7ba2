#include <string>

#include "scan/kept_texts.h"

namespace scan {

namespace {

std::string Regcleaner(common::TextSource& texts, int number) {
  return texts.GetText("HIVECARE_REGCLEANER_STRING_" + std::to_string(number));
}

}  // namespace

KeptTexts KeptTexts::Load(common::TextSource& texts) {
  KeptTexts kept;
  // Reason n is text n + 3; the entries after the thirteenth stay empty.
  for (int entry = 0; entry <= 12; ++entry) kept.reason[entry] = Regcleaner(texts, entry + 3);
  kept.stop_caption = Regcleaner(texts, 93);
  kept.idle_caption = Regcleaner(texts, 305);
  kept.no_area = Regcleaner(texts, 18);
  kept.panel1_prefix = Regcleaner(texts, 19);
  kept.count_suffix = Regcleaner(texts, 20);
  kept.panel2_prefix = Regcleaner(texts, 21);
  kept.scan_done_link = Regcleaner(texts, 22);
  kept.edit_question = Regcleaner(texts, 23);
  kept.delete_question = Regcleaner(texts, 24);
  return kept;
}

}  // namespace scan

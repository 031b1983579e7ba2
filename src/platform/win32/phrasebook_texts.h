// The text lookup of the programs: asks the language library phrasebook.dll
// in the program folder.
#pragma once

#include <windows.h>

#include <string>

#include "common/text_source.h"

namespace platform {

class PhrasebookTexts : public common::TextSource {
 public:
  // `program_folder`: the folder that holds phrasebook.dll; empty means the
  // folder of the running executable.
  explicit PhrasebookTexts(std::wstring program_folder = {});

  // The text for `id`, UTF-8; "" when the library is missing or lacks the ID.
  // Afterwards the program folder is the current directory.
  std::string GetText(std::string_view id) override;

 private:
  using GetValueForIdFunction = short(__stdcall*)(const char*, char*, short);

  void EnterProgramFolder() const;
  // Binds GetValueForID once; until that succeeds, every call tries again.
  GetValueForIdFunction Lookup();

  std::wstring program_folder_;
  GetValueForIdFunction get_value_for_id_ = nullptr;
};

}  // namespace platform

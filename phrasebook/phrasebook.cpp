// phrasebook.dll: the suite's language library. Programs load it by its
// full path and call its exports by name (see phrasebook.def).
#include <windows.h>

#include <cstring>

#include "text_store.h"

// Writes the text for `id` in the current language into `text`, an area of
// 255 bytes plus a terminating zero, as a zero-terminated ANSI string.
// Returns 1 when the ID is known; for an unknown ID the area is untouched
// and the result is 0. `reserved` is always 0.
extern "C" short __stdcall GetValueForID(const char* id, char* text, short /*reserved*/) {
  if (id == nullptr || text == nullptr) return 0;
  const auto& texts = phrasebook::CurrentTexts();
  const auto found = texts.find(id);
  if (found == texts.end()) return 0;
  std::memcpy(text, found->second.c_str(), found->second.size() + 1);
  return 1;
}

#include "language_choice.h"

#include <windows.h>

#include "encoding.h"

namespace phrasebook {
namespace {

constexpr wchar_t kChoiceKey[] = L"Software\\Brightwell\\Phrasebook";
constexpr wchar_t kChoiceValue[] = L"Language";

}  // namespace

std::string StoredLanguage() {
  // RegGetValueW checks the type and terminates the string; a name longer
  // than any language's is not one of ours.
  wchar_t name[256];
  DWORD size = sizeof(name);
  if (RegGetValueW(HKEY_CURRENT_USER, kChoiceKey, kChoiceValue, RRF_RT_REG_SZ, nullptr, name, &size) != ERROR_SUCCESS)
    return {};
  return FromWide(CP_UTF8, name);
}

bool StoreLanguage(const std::string& language) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kChoiceKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const std::wstring name = ToWide(CP_UTF8, language);
  const auto bytes = static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
  const LSTATUS status =
      RegSetValueExW(key, kChoiceValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()), bytes);
  RegCloseKey(key);
  return status == ERROR_SUCCESS;
}

}  // namespace phrasebook

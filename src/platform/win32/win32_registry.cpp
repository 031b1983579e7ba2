#include "platform/win32/win32_registry.h"

#include <windows.h>

#include "platform/win32/text_convert.h"

namespace platform {
namespace {

// Room for the longest name the system reads and its terminator.
constexpr DWORD kNameBuffer = kMaxNameLength + 1;
// Enough for almost every value; larger data grows the buffer once.
constexpr DWORD kInitialDataBytes = 4096;
// A key written to while we read it can outgrow a buffer more than once.
constexpr int kGrowAttempts = 4;

bool IsRoot(KeyHandle key) { return key >= kClassesRoot && key <= kDynData; }

// The predefined keys are negative 32-bit numbers, sign-extended on 64 bits.
HKEY ToHkey(KeyHandle key) {
  if (IsRoot(key)) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(key)));
  }
  return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(key));
}

KeyHandle FromHkey(HKEY key) { return reinterpret_cast<ULONG_PTR>(key); }

bool IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

}  // namespace

void Win32Registry::GrowData(unsigned long bytes) {
  const size_t units = (bytes + 1) / 2;
  if (data_.size() < units) data_.resize(units);
}

void Win32Registry::TakeData(std::uint32_t type, unsigned long bytes, std::string* data) {
  if (IsStringType(type)) {
    // An odd trailing byte is half a character: it is dropped.
    WideToUtf8(std::wstring_view(data_.data(), bytes / 2), data);
  } else {
    data->assign(reinterpret_cast<const char*>(data_.data()), bytes);
  }
}

long Win32Registry::Open(KeyHandle parent, const std::string& path, std::uint32_t access,
                         KeyHandle* key) {
  // The default asks, as RegOpenKey does, for whatever the key allows; the
  // empty path then still gives a new handle of its own.
  const REGSAM sam = access == kDefaultAccess ? MAXIMUM_ALLOWED : access;
  Utf8ToWide(path, &wide_);
  HKEY opened = nullptr;
  LONG status = RegOpenKeyExW(ToHkey(parent), wide_.c_str(), 0, sam, &opened);
  *key = status == ERROR_SUCCESS ? FromHkey(opened) : 0;
  return status;
}

long Win32Registry::Create(KeyHandle parent, const std::string& path, KeyHandle* key) {
  Utf8ToWide(path, &wide_);
  HKEY created = nullptr;
  LONG status = RegCreateKeyExW(ToHkey(parent), wide_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                MAXIMUM_ALLOWED, nullptr, &created, nullptr);
  *key = status == ERROR_SUCCESS ? FromHkey(created) : 0;
  return status;
}

long Win32Registry::Close(KeyHandle key) {
  if (IsRoot(key)) return ERROR_SUCCESS;  // predefined keys stay open
  return RegCloseKey(ToHkey(key));
}

long Win32Registry::QueryCounts(KeyHandle key, std::uint32_t* subkeys, std::uint32_t* values) {
  DWORD keys = 0, vals = 0;
  LONG status = RegQueryInfoKeyW(ToHkey(key), nullptr, nullptr, nullptr, &keys, nullptr, nullptr,
                                 &vals, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) {
    *subkeys = keys;
    *values = vals;
  }
  return status;
}

long Win32Registry::EnumKey(KeyHandle key, std::uint32_t index, std::string* name) {
  wchar_t buffer[kNameBuffer];
  DWORD length = kNameBuffer;
  LONG status =
      RegEnumKeyExW(ToHkey(key), index, buffer, &length, nullptr, nullptr, nullptr, nullptr);
  if (status == ERROR_SUCCESS) WideToUtf8(std::wstring_view(buffer, length), name);
  return status;
}

long Win32Registry::EnumValue(KeyHandle key, std::uint32_t index, RegValue* value) {
  const HKEY hkey = ToHkey(key);
  if (name_.size() < kNameBuffer) name_.resize(kNameBuffer);
  if (data_.empty()) GrowData(kInitialDataBytes);
  for (int attempt = 0;; ++attempt) {
    DWORD name_length = static_cast<DWORD>(name_.size());
    DWORD type = REG_NONE;
    DWORD bytes = static_cast<DWORD>(data_.size() * sizeof(wchar_t));
    LONG status = RegEnumValueW(hkey, index, name_.data(), &name_length, nullptr, &type,
                                reinterpret_cast<BYTE*>(data_.data()), &bytes);
    if (status == ERROR_SUCCESS) {
      if (name_length > kMaxNameLength) return ERROR_MORE_DATA;
      WideToUtf8(std::wstring_view(name_.data(), name_length), &value->name);
      value->type = type;
      TakeData(type, bytes, &value->data);
      return status;
    }
    if (status != ERROR_MORE_DATA || attempt == kGrowAttempts) return status;
    // Either the name or the data did not fit; the key's maxima cover both.
    DWORD max_name = 0, max_data = 0;
    status = RegQueryInfoKeyW(hkey, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, &max_name, &max_data, nullptr, nullptr);
    if (status != ERROR_SUCCESS) return status;
    if (name_.size() <= max_name) name_.resize(max_name + 1);
    GrowData(max_data > bytes ? max_data : bytes);
  }
}

long Win32Registry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                               std::string* data) {
  Utf8ToWide(name, &wide_);
  if (data_.empty()) GrowData(kInitialDataBytes);
  for (int attempt = 0;; ++attempt) {
    DWORD found_type = REG_NONE;
    DWORD bytes = static_cast<DWORD>(data_.size() * sizeof(wchar_t));
    LONG status = RegQueryValueExW(ToHkey(key), wide_.c_str(), nullptr, &found_type,
                                   reinterpret_cast<BYTE*>(data_.data()), &bytes);
    if (status == ERROR_SUCCESS) {
      *type = found_type;
      TakeData(found_type, bytes, data);
      return status;
    }
    if (status != ERROR_MORE_DATA || attempt == kGrowAttempts) return status;
    GrowData(bytes);  // the size the value needs
  }
}

long Win32Registry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                             const std::string& data) {
  const std::wstring wide_name = Utf8ToWide(name);
  const BYTE* bytes = reinterpret_cast<const BYTE*>(data.data());
  DWORD size = static_cast<DWORD>(data.size());
  if (IsStringType(type)) {
    // Exactly the converted characters: a caller wanting a terminator
    // includes it in `data`.
    Utf8ToWide(data, &wide_);
    size = static_cast<DWORD>(wide_.size() * sizeof(wchar_t));
    // RegSetValueExW takes one more character when the data lacks a
    // terminator and a NUL follows it; a non-NUL guard keeps the data exact.
    wide_.push_back(L'\xFFFF');
    bytes = reinterpret_cast<const BYTE*>(wide_.data());
  }
  return RegSetValueExW(ToHkey(key), wide_name.c_str(), 0, type, bytes, size);
}

long Win32Registry::DeleteValue(KeyHandle key, const std::string& name) {
  Utf8ToWide(name, &wide_);
  return RegDeleteValueW(ToHkey(key), wide_.c_str());
}

long Win32Registry::DeleteKey(KeyHandle parent, const std::string& path) {
  Utf8ToWide(path, &wide_);
  return RegDeleteKeyW(ToHkey(parent), wide_.c_str());
}

}  // namespace platform

// Registry keys and files a Windows test puts aside and gets back: the tests
// share one prefix, so each leaves the user's state as it found it.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace suite_test {

// The values of a key (one without sub-keys), taken away for a test and put
// back after it; a key that was not there goes again, with the parents the
// test made (everything below `made_below`).
class SavedKey {
 public:
  SavedKey(HKEY root, std::wstring path, std::wstring made_below)
      : root_(root), path_(std::move(path)), made_below_(std::move(made_below)) {
    HKEY key = nullptr;
    parent_existed_ = RegOpenKeyExW(root_, made_below_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
    if (key) RegCloseKey(key);
    if (RegOpenKeyExW(root_, path_.c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS) {
      existed_ = true;
      wchar_t name[16384];
      for (DWORD i = 0;; ++i) {
        DWORD name_length = 16384, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &name_length, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        Value value{name, type, std::vector<BYTE>(size)};
        name_length = 16384;
        RegEnumValueW(key, i, name, &name_length, nullptr, &type, value.data.data(), &size);
        values_.push_back(std::move(value));
      }
      RegCloseKey(key);
    }
    RegDeleteTreeW(root_, path_.c_str());
    RegDeleteKeyW(root_, path_.c_str());
  }
  ~SavedKey() {
    RegDeleteTreeW(root_, path_.c_str());
    RegDeleteKeyW(root_, path_.c_str());
    if (!parent_existed_) {
      RegDeleteTreeW(root_, made_below_.c_str());
      RegDeleteKeyW(root_, made_below_.c_str());
    }
    if (!existed_) return;
    HKEY key = nullptr;
    if (RegCreateKeyExW(root_, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
      return;
    }
    for (const Value& value : values_) {
      RegSetValueExW(key, value.name.c_str(), 0, value.type, value.data.data(),
                     static_cast<DWORD>(value.data.size()));
    }
    RegCloseKey(key);
  }
  SavedKey(const SavedKey&) = delete;
  SavedKey& operator=(const SavedKey&) = delete;

 private:
  struct Value {
    std::wstring name;
    DWORD type;
    std::vector<BYTE> data;
  };
  HKEY root_;
  std::wstring path_;
  std::wstring made_below_;
  bool existed_ = false;
  bool parent_existed_ = false;
  std::vector<Value> values_;
};

// A file moved aside for a test and put back after it.
class SavedFile {
 public:
  explicit SavedFile(std::wstring path) : path_(std::move(path)), aside_(path_ + L".saved") {
    saved_ = MoveFileExW(path_.c_str(), aside_.c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
  }
  ~SavedFile() {
    DeleteFileW(path_.c_str());
    if (saved_) MoveFileExW(aside_.c_str(), path_.c_str(), MOVEFILE_REPLACE_EXISTING);
  }
  SavedFile(const SavedFile&) = delete;
  SavedFile& operator=(const SavedFile&) = delete;

 private:
  std::wstring path_;
  std::wstring aside_;
  bool saved_ = false;
};

}  // namespace suite_test

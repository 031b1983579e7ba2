// One running copy of a program per session: the first copy holds a named
// mutex for as long as it lives; a later copy finds the name taken.
#pragma once

#include <windows.h>

namespace platform {

class SingleInstance {
 public:
  SingleInstance() = default;
  ~SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  // Takes the name (e.g. L"Local\\HivecareTidemark"); false when another
  // copy holds it already. A name that cannot be made at all does not stop
  // the program.
  bool Claim(const wchar_t* name);

 private:
  HANDLE mutex_ = nullptr;
};

}  // namespace platform

#include "platform/win32/single_instance.h"

namespace platform {

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

bool SingleInstance::Claim(const wchar_t* name) {
  if (mutex_) CloseHandle(mutex_);
  mutex_ = CreateMutexW(nullptr, FALSE, name);
  const bool taken = mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
  if (taken) {
    CloseHandle(mutex_);
    mutex_ = nullptr;
  }
  return !taken;
}

}  // namespace platform

// The registry interface over the wide Win32 registry API.
#pragma once

#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class Win32Registry : public Registry {
 public:
  long Open(KeyHandle parent, const std::string& path, std::uint32_t access,
            KeyHandle* key) override;
  long Create(KeyHandle parent, const std::string& path, KeyHandle* key) override;
  long Close(KeyHandle key) override;
  long QueryCounts(KeyHandle key, std::uint32_t* subkeys, std::uint32_t* values) override;
  long EnumKey(KeyHandle key, std::uint32_t index, std::string* name) override;
  long EnumValue(KeyHandle key, std::uint32_t index, RegValue* value) override;
  long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                  std::string* data) override;
  long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                const std::string& data) override;
  long DeleteValue(KeyHandle key, const std::string& name) override;
  long DeleteKey(KeyHandle parent, const std::string& path) override;

 private:
  // Data as the interface gives it: string types in UTF-8, the rest raw.
  void TakeData(std::uint32_t type, unsigned long bytes, std::string* data);
  // Makes data_ hold at least `bytes` bytes.
  void GrowData(unsigned long bytes);

  // Reused from call to call: a whole-registry scan enumerates every value.
  std::wstring name_;
  std::vector<wchar_t> data_;  // wchar_t keeps string data aligned
  std::wstring wide_;          // names and paths on their way in
};

}  // namespace platform

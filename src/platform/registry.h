// What the system needs of the Windows registry.
//
// Handles are opaque numbers. The predefined roots (HKEY_CLASSES_ROOT ...)
// are valid handles with their Windows values 0x80000000 to 0x80000006 and
// are never closed. Every call returns a Win32 status code (0 on success).
#pragma once

#include <cstdint>
#include <string>

namespace platform {

using KeyHandle = std::uint64_t;  // 0 means "no key"

// Win32 status codes the system looks at.
enum Status : long {
  kOk = 0,
  kNotFound = 2,        // ERROR_FILE_NOT_FOUND
  kAccessDenied = 5,    // ERROR_ACCESS_DENIED
  kMoreData = 234,      // ERROR_MORE_DATA
  kNoMoreItems = 259,   // ERROR_NO_MORE_ITEMS
  kBadKey = 1010,       // ERROR_BADKEY
};

// The predefined root key handles.
enum RootKey : std::uint32_t {
  kClassesRoot = 0x80000000u,
  kCurrentUser = 0x80000001u,
  kLocalMachine = 0x80000002u,
  kUsers = 0x80000003u,
  kPerformanceData = 0x80000004u,
  kCurrentConfig = 0x80000005u,
  kDynData = 0x80000006u,
};

// Registry value types by their Windows numbers.
enum ValueType : std::uint32_t {
  kRegNone = 0,
  kRegSz = 1,
  kRegExpandSz = 2,
  kRegBinary = 3,
  kRegDword = 4,
  kRegMultiSz = 7,
};

// Access masks.
inline constexpr std::uint32_t kDefaultAccess = 0;        // as RegOpenKey: whatever is allowed
inline constexpr std::uint32_t kKeyRead = 0x20019;        // KEY_READ
inline constexpr std::uint32_t kKeyAllAccess = 0xF003F;   // KEY_ALL_ACCESS
inline constexpr std::uint32_t kScanAccess = 0x2003F;     // KEY_READ | KEY_WRITE | KEY_CREATE_LINK

// Longest key or value name the system reads (a 261-character buffer).
inline constexpr std::size_t kMaxNameLength = 260;

// One enumerated value. `data` holds the raw bytes as stored; string types
// are converted to UTF-8 (their NULs kept), so `data` of a REG_SZ is text.
struct RegValue {
  std::string name;
  std::uint32_t type = kRegNone;
  std::string data;
};

class Registry {
 public:
  virtual ~Registry() = default;

  // Opens `path` below `parent` (a root or an open key). The empty path opens
  // a new handle to `parent` itself. `access` kDefaultAccess asks for
  // whatever the key allows.
  virtual long Open(KeyHandle parent, const std::string& path, std::uint32_t access,
                    KeyHandle* key) = 0;
  // Opens `path`, creating it and every missing key above it.
  virtual long Create(KeyHandle parent, const std::string& path, KeyHandle* key) = 0;
  virtual long Close(KeyHandle key) = 0;

  // Numbers of direct sub-keys and values.
  virtual long QueryCounts(KeyHandle key, std::uint32_t* subkeys, std::uint32_t* values) = 0;
  // Name of the sub-key at `index`, in the order the registry gives them.
  // kMoreData when the name is longer than kMaxNameLength, kNoMoreItems past the end.
  virtual long EnumKey(KeyHandle key, std::uint32_t index, std::string* name) = 0;
  // Name, type and whole data of the value at `index`, in creation order.
  // kMoreData (and nothing filled) when the name is longer than kMaxNameLength.
  virtual long EnumValue(KeyHandle key, std::uint32_t index, RegValue* value) = 0;
  // Type and whole data of the named value ("" is the default value).
  virtual long QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                          std::string* data) = 0;
  virtual long SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                        const std::string& data) = 0;
  virtual long DeleteValue(KeyHandle key, const std::string& name) = 0;
  // Deletes a key that has no sub-keys (tests clean up with it).
  virtual long DeleteKey(KeyHandle parent, const std::string& path) = 0;
};

}  // namespace platform

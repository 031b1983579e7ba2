// An in-memory registry with the Windows semantics the scanners rely on:
// names compare case-insensitively and keep the case they were created with,
// sub-keys enumerate in case-insensitive name order (as Windows gives them),
// values in creation order, data may hold NULs, and keys can deny access.
// Case folding covers ASCII letters only; lengths count UTF-16 units.
// These are Windows' answers. Wine differs in three: it gives values in
// name order, orders sub-keys by lower-cased names ("_" before "a"), and
// reads a doubled "\" in a path as one.
// A path may end in one "\"; an empty name in it ("A\\B") is not found.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace platform {

class MemoryRegistry : public Registry {
 public:
  // Which opens of a key fail with kAccessDenied.
  enum class Access {
    kFull,      // every open succeeds
    kReadOnly,  // opens that ask for any write right (KEY_WRITE bits) fail;
                // kDefaultAccess and kKeyRead succeed
    kNone,      // every open fails, also with kDefaultAccess
  };

  MemoryRegistry();
  ~MemoryRegistry() override;

  // Test set-up helpers; `path` is below the root, "" is the root itself.
  void AddKey(RootKey root, const std::string& path);
  void SetString(RootKey root, const std::string& path, const std::string& name,
                 const std::string& text, std::uint32_t type = kRegSz);
  void SetDword(RootKey root, const std::string& path, const std::string& name,
                std::uint32_t value);
  void SetRaw(RootKey root, const std::string& path, const std::string& name,
              std::uint32_t type, const std::string& bytes);
  void SetAccess(RootKey root, const std::string& path, Access access);
  bool HasValue(RootKey root, const std::string& path, const std::string& name) const;
  bool HasKey(RootKey root, const std::string& path) const;
  // Handles opened and not yet closed (tests check the walk closes them).
  std::size_t OpenHandleCount() const;

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
  struct Node;
  struct OpenKey {
    Node* node = nullptr;
    std::uint32_t granted = 0;  // the access rights the handle carries
  };
  // The key behind a handle with the rights it grants; status 6 when the
  // handle is unknown, 5 when it lacks a `needed` right.
  long Find(KeyHandle key, std::uint32_t needed, OpenKey* open) const;
  // Follows `path` below `from`; creates missing keys when `create`.
  long Walk(Node* from, const std::string& path, bool create, Node** found);
  Node* Lookup(RootKey root, const std::string& path) const;
  Node* Make(RootKey root, const std::string& path);
  KeyHandle NewHandle(Node* node, std::uint32_t granted);

  std::map<std::uint32_t, std::unique_ptr<Node>> roots_;
  std::map<KeyHandle, OpenKey> handles_;
  // Deleted keys stay alive while handles may still point at them.
  std::vector<std::unique_ptr<Node>> deleted_;
  KeyHandle next_handle_ = 0x100;
};

}  // namespace platform

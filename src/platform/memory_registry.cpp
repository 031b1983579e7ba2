#include "platform/memory_registry.h"

#include <algorithm>
#include <string_view>

#include "common/strings.h"

namespace platform {
namespace {

constexpr long kInvalidHandle = 6;    // ERROR_INVALID_HANDLE
constexpr long kKeyDeleted = 1018;    // ERROR_KEY_DELETED

// Access rights as Windows numbers them.
constexpr std::uint32_t kQueryValue = 0x1;
constexpr std::uint32_t kSetValue = 0x2;
constexpr std::uint32_t kEnumerateSubKeys = 0x8;
constexpr std::uint32_t kMaximumAllowed = 0x02000000;
// Rights that change a key: KEY_SET_VALUE, KEY_CREATE_SUB_KEY,
// KEY_CREATE_LINK, DELETE, WRITE_DAC, WRITE_OWNER.
constexpr std::uint32_t kWriteRights = 0x6 | 0x20 | 0xD0000;

bool IsRoot(KeyHandle key) { return key >= kClassesRoot && key <= kDynData; }

// Length as Windows counts it: UTF-16 units of the UTF-8 text.
std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) != 0x80) units += c >= 0xF0 ? 2 : 1;
  }
  return units;
}

bool SameName(std::string_view a, std::string_view b) {
  return common::UpperAscii(a) == common::UpperAscii(b);
}

// The path's names; one trailing "\" is tolerated, "" gives no names.
std::vector<std::string> Names(std::string_view path) {
  if (!path.empty() && path.back() == '\\') path.remove_suffix(1);
  if (path.empty()) return {};
  return common::Split(path, '\\');
}

std::string DwordBytes(std::uint32_t value) {
  std::string bytes(4, '\0');
  for (int i = 0; i < 4; ++i) bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
  return bytes;
}

}  // namespace

struct MemoryRegistry::Node {
  std::string name;
  Node* parent = nullptr;
  Access access = Access::kFull;
  bool deleted = false;
  // Keyed by the upper-case name, which gives Windows' enumeration order.
  std::map<std::string, std::unique_ptr<Node>> children;
  std::vector<RegValue> values;  // in creation order

  // Overwriting keeps the value's place and the case of its first name.
  void PutValue(const std::string& value_name, std::uint32_t type, const std::string& data) {
    if (RegValue* found = FindValue(value_name)) {
      found->type = type;
      found->data = data;
    } else {
      values.push_back({value_name, type, data});
    }
  }

  // The named sub-key; made when missing and `create`, else nullptr.
  Node* Child(const std::string& child_name, bool create) {
    std::string key = common::UpperAscii(child_name);
    auto it = children.find(key);
    if (it != children.end()) return it->second.get();
    if (!create) return nullptr;
    auto child = std::make_unique<Node>();
    child->name = child_name;
    child->parent = this;
    return children.emplace(std::move(key), std::move(child)).first->second.get();
  }

  RegValue* FindValue(std::string_view value_name) {
    auto it = std::find_if(values.begin(), values.end(),
                           [&](const RegValue& v) { return SameName(v.name, value_name); });
    return it == values.end() ? nullptr : &*it;
  }
};

namespace {

// The rights an open of a key with `access` grants for the asked `mask`;
// 0 when the key denies it.
std::uint32_t Grant(MemoryRegistry::Access access, std::uint32_t mask) {
  using Access = MemoryRegistry::Access;
  const bool maximum = mask == kDefaultAccess || (mask & kMaximumAllowed) != 0;
  switch (access) {
    case Access::kFull:
      return maximum ? kKeyAllAccess : mask;
    case Access::kReadOnly:
      if (maximum) return kKeyRead;
      return (mask & kWriteRights) ? 0 : mask;
    case Access::kNone:
      return 0;
  }
  return 0;
}

}  // namespace

MemoryRegistry::MemoryRegistry() {
  for (std::uint32_t root = kClassesRoot; root <= kDynData; ++root) {
    roots_[root] = std::make_unique<Node>();
  }
}

MemoryRegistry::~MemoryRegistry() = default;

long MemoryRegistry::Find(KeyHandle key, std::uint32_t needed, OpenKey* open) const {
  if (IsRoot(key)) {
    // A predefined key is opened with whatever its key allows.
    Node* node = roots_.at(static_cast<std::uint32_t>(key)).get();
    *open = {node, Grant(node->access, kDefaultAccess)};
  } else {
    auto it = handles_.find(key);
    if (it == handles_.end()) return kInvalidHandle;
    *open = it->second;
    if (open->node->deleted) return kKeyDeleted;
  }
  return (open->granted & needed) == needed ? kOk : kAccessDenied;
}

long MemoryRegistry::Walk(Node* from, const std::string& path, bool create, Node** found) {
  Node* node = from;
  for (const std::string& name : Names(path)) {
    Node* child = node->Child(name, false);
    if (!child && create) {
      if (node->access != Access::kFull) return kAccessDenied;
      child = node->Child(name, true);
    }
    if (!child) return kNotFound;
    node = child;
  }
  *found = node;
  return kOk;
}

KeyHandle MemoryRegistry::NewHandle(Node* node, std::uint32_t granted) {
  KeyHandle handle = next_handle_;
  next_handle_ += 4;
  handles_[handle] = {node, granted};
  return handle;
}

long MemoryRegistry::Open(KeyHandle parent, const std::string& path, std::uint32_t access,
                          KeyHandle* key) {
  *key = 0;
  OpenKey from;
  Node* node = nullptr;
  if (long status = Find(parent, 0, &from)) return status;
  if (long status = Walk(from.node, path, false, &node)) return status;
  std::uint32_t granted = Grant(node->access, access);
  if (granted == 0) return kAccessDenied;
  *key = NewHandle(node, granted);
  return kOk;
}

long MemoryRegistry::Create(KeyHandle parent, const std::string& path, KeyHandle* key) {
  *key = 0;
  OpenKey from;
  Node* node = nullptr;
  if (long status = Find(parent, 0, &from)) return status;
  if (long status = Walk(from.node, path, true, &node)) return status;
  std::uint32_t granted = Grant(node->access, kDefaultAccess);
  if (granted == 0) return kAccessDenied;
  *key = NewHandle(node, granted);
  return kOk;
}

long MemoryRegistry::Close(KeyHandle key) {
  if (IsRoot(key)) return kOk;
  return handles_.erase(key) ? kOk : kInvalidHandle;
}

long MemoryRegistry::QueryCounts(KeyHandle key, std::uint32_t* subkeys, std::uint32_t* values) {
  OpenKey open;
  if (long status = Find(key, kQueryValue, &open)) return status;
  *subkeys = static_cast<std::uint32_t>(open.node->children.size());
  *values = static_cast<std::uint32_t>(open.node->values.size());
  return kOk;
}

long MemoryRegistry::EnumKey(KeyHandle key, std::uint32_t index, std::string* name) {
  OpenKey open;
  if (long status = Find(key, kEnumerateSubKeys, &open)) return status;
  if (index >= open.node->children.size()) return kNoMoreItems;
  const std::string& found = std::next(open.node->children.begin(), index)->second->name;
  if (Utf16Length(found) > kMaxNameLength) return kMoreData;
  *name = found;
  return kOk;
}

long MemoryRegistry::EnumValue(KeyHandle key, std::uint32_t index, RegValue* value) {
  OpenKey open;
  if (long status = Find(key, kQueryValue, &open)) return status;
  if (index >= open.node->values.size()) return kNoMoreItems;
  const RegValue& found = open.node->values[index];
  if (Utf16Length(found.name) > kMaxNameLength) return kMoreData;
  *value = found;
  return kOk;
}

long MemoryRegistry::QueryValue(KeyHandle key, const std::string& name, std::uint32_t* type,
                                std::string* data) {
  OpenKey open;
  if (long status = Find(key, kQueryValue, &open)) return status;
  const RegValue* found = open.node->FindValue(name);
  if (!found) return kNotFound;
  *type = found->type;
  *data = found->data;
  return kOk;
}

long MemoryRegistry::SetValue(KeyHandle key, const std::string& name, std::uint32_t type,
                              const std::string& data) {
  OpenKey open;
  if (long status = Find(key, kSetValue, &open)) return status;
  open.node->PutValue(name, type, data);
  return kOk;
}

long MemoryRegistry::DeleteValue(KeyHandle key, const std::string& name) {
  OpenKey open;
  if (long status = Find(key, kSetValue, &open)) return status;
  RegValue* found = open.node->FindValue(name);
  if (!found) return kNotFound;
  open.node->values.erase(open.node->values.begin() + (found - open.node->values.data()));
  return kOk;
}

long MemoryRegistry::DeleteKey(KeyHandle parent, const std::string& path) {
  OpenKey from;
  Node* node = nullptr;
  if (long status = Find(parent, 0, &from)) return status;
  if (long status = Walk(from.node, path, false, &node)) return status;
  if (!node->parent || node->access != Access::kFull || !node->children.empty()) {
    return kAccessDenied;
  }
  auto& siblings = node->parent->children;
  auto it = siblings.find(common::UpperAscii(node->name));
  node->deleted = true;
  deleted_.push_back(std::move(it->second));
  siblings.erase(it);
  return kOk;
}

// Test set-up: bypasses access, creates what is missing.

MemoryRegistry::Node* MemoryRegistry::Lookup(RootKey root, const std::string& path) const {
  Node* node = roots_.at(root).get();
  for (const std::string& name : Names(path)) {
    if (!(node = node->Child(name, false))) return nullptr;
  }
  return node;
}

MemoryRegistry::Node* MemoryRegistry::Make(RootKey root, const std::string& path) {
  Node* node = roots_.at(root).get();
  for (const std::string& name : Names(path)) node = node->Child(name, true);
  return node;
}

void MemoryRegistry::AddKey(RootKey root, const std::string& path) { Make(root, path); }

void MemoryRegistry::SetString(RootKey root, const std::string& path, const std::string& name,
                               const std::string& text, std::uint32_t type) {
  SetRaw(root, path, name, type, text);
}

void MemoryRegistry::SetDword(RootKey root, const std::string& path, const std::string& name,
                              std::uint32_t value) {
  SetRaw(root, path, name, kRegDword, DwordBytes(value));
}

void MemoryRegistry::SetRaw(RootKey root, const std::string& path, const std::string& name,
                            std::uint32_t type, const std::string& bytes) {
  Make(root, path)->PutValue(name, type, bytes);
}

void MemoryRegistry::SetAccess(RootKey root, const std::string& path, Access access) {
  Make(root, path)->access = access;
}

bool MemoryRegistry::HasValue(RootKey root, const std::string& path,
                              const std::string& name) const {
  Node* node = Lookup(root, path);
  return node && node->FindValue(name);
}

bool MemoryRegistry::HasKey(RootKey root, const std::string& path) const {
  return Lookup(root, path) != nullptr;
}

std::size_t MemoryRegistry::OpenHandleCount() const { return handles_.size(); }

}  // namespace platform

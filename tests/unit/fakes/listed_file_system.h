// An in-memory file system whose folder listings can be given outright, in
// any order and with any sizes and times, as a real folder may list them.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "common/strings.h"
#include "platform/memory_file_system.h"

namespace fakes {

class ListedFileSystem : public platform::MemoryFileSystem {
 public:
  void SetListing(const std::string& folder, std::vector<platform::FileEntry> entries) {
    listings_[common::UpperAscii(folder)] = std::move(entries);
  }

  std::vector<platform::FileEntry> ListFolder(const std::string& path) override {
    const auto it = listings_.find(common::UpperAscii(path));
    return it == listings_.end() ? MemoryFileSystem::ListFolder(path) : it->second;
  }

 private:
  std::map<std::string, std::vector<platform::FileEntry>> listings_;
};

}  // namespace fakes

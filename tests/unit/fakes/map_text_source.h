// A text source backed by a map; remembers which IDs were asked for.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_source.h"

namespace fakes {

class MapTextSource : public common::TextSource {
 public:
  MapTextSource() = default;
  explicit MapTextSource(std::map<std::string, std::string, std::less<>> texts)
      : texts_(std::move(texts)) {}

  std::string GetText(std::string_view id) override {
    requested_.emplace_back(id);
    const auto it = texts_.find(id);
    return it == texts_.end() ? std::string() : it->second;
  }

  void Set(const std::string& id, const std::string& text) { texts_[id] = text; }
  const std::vector<std::string>& requested() const { return requested_; }

 private:
  std::map<std::string, std::string, std::less<>> texts_;
  std::vector<std::string> requested_;
};

}  // namespace fakes

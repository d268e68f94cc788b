#pragma once
// The items and the selection shared by list boxes and drop-down lists.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/key_codes.h"

namespace rallix {

class ItemList {
 public:
  void AddItem(std::string item) { items_.push_back(std::move(item)); }
  void Clear() {
    items_.clear();
    index_ = -1;
  }
  int ListCount() const { return static_cast<int>(items_.size()); }
  const std::string& List(int i) const { return items_.at(static_cast<std::size_t>(i)); }
  // -1: nothing selected.
  int ListIndex() const { return index_; }
  // The selected item's text, empty when nothing is selected.
  std::string Text() const { return index_ >= 0 ? items_[static_cast<std::size_t>(index_)] : ""; }

 protected:
  // The entry the Up or Down arrow moves the selection to; nothing for any
  // other key, or when the list is empty.
  std::optional<int> IndexAfterArrow(std::uint8_t keyCode) const {
    if (ListCount() == 0) {
      return std::nullopt;
    }
    if (keyCode == KeyCode::DownArrow) {
      return std::min(index_ + 1, ListCount() - 1);
    }
    if (keyCode == KeyCode::UpArrow) {
      return std::max(index_ - 1, 0);
    }
    return std::nullopt;
  }
  // Out-of-range values select nothing.
  void Select(int index) { index_ = (index >= 0 && index < ListCount()) ? index : -1; }

 private:
  std::vector<std::string> items_;
  int index_ = -1;
};

}  // namespace rallix

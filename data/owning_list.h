#pragma once
// owning_list.h -- a list that owns what it holds, in load order, found by name

#include <cstddef>
#include <cstring>
#include <vector>

// Items are added as they load and deleted together, by deleteAll or when
// the list goes. `Name` is the item's name field, a character array.
template <class T, auto Name = &T::name>
class OwningList {
 public:
  OwningList() = default;
  OwningList(const OwningList&) = delete;
  OwningList& operator=(const OwningList&) = delete;
  ~OwningList() { deleteAll(); }

  // Takes ownership of `item`.
  void add(T* item) { items_.push_back(item); }

  // The first item whose name equals `name` exactly, or null.
  T* find(const char* name) const {
    for (T* item : items_)
      if (std::strcmp(item->*Name, name) == 0) return item;
    return nullptr;
  }

  void deleteAll() {
    for (T* item : items_) delete item;
    items_.clear();
  }

  const std::vector<T*>& items() const { return items_; }
  std::size_t size() const { return items_.size(); }
  bool empty() const { return items_.empty(); }
  T* operator[](std::size_t i) const { return items_[i]; }
  T* front() const { return items_.front(); }
  T* back() const { return items_.back(); }
  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }

 private:
  std::vector<T*> items_;
};

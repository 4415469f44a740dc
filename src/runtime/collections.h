// Tables (std::vector) and doubly linked lists with a cursor.
#pragma once

#include <cstdint>
#include <iterator>
#include <list>
#include <optional>
#include <vector>

namespace rt {

// (Re)creates a zero-filled table of `count` elements, releasing the old content.
template <class T>
void TableCreate(std::optional<std::vector<T>>& table, int32_t count) {
  table.emplace(count > 0 ? count : 0);
}
// Keeps the elements that still fit and zero-fills new ones.
template <class T>
void TableResize(std::vector<T>& table, int32_t count) {
  table.resize(count > 0 ? count : 0);
}
// Highest index (count - 1); -1 for an empty table.
template <class T>
int32_t TableUpper(const std::vector<T>& table) {
  return static_cast<int32_t>(table.size()) - 1;
}
// -1 for a table that was never created.
template <class T>
int32_t TableUpper(const std::optional<std::vector<T>>& table) {
  return table ? TableUpper(*table) : -1;
}

// A doubly linked list with a cursor that can also stand before the first element.
template <class T>
class List {
 public:
  using Iterator = typename std::list<T>::iterator;

  List() = default;
  // A copy gets its own cursor at the same position; a moved list keeps its nodes, so
  // the cursor stays valid without help.
  List(const List& other) : items_(other.items_), atStart_(other.atStart_) {
    if (!atStart_) {
      const typename std::list<T>::const_iterator theirs = other.cursor_;
      cursor_ = std::next(items_.begin(), std::distance(other.items_.cbegin(), theirs));
    }
  }
  List& operator=(const List& other) {
    if (this != &other) *this = List(other);
    return *this;
  }
  List(List&&) noexcept = default;
  List& operator=(List&&) noexcept = default;

  // Inserts a zero-filled element behind the current one (at the front when the
  // cursor stands before the first), makes it current and returns it.
  T& Add() {
    Iterator where = atStart_ ? items_.begin() : std::next(cursor_);
    cursor_ = items_.insert(where, T{});
    atStart_ = false;
    return *cursor_;
  }
  void Reset() { atStart_ = true; }
  // The next element (the first after Reset), or nullptr at the end.
  T* Next() {
    if (atStart_) {
      if (items_.empty()) return nullptr;
      cursor_ = items_.begin();
      atStart_ = false;
      return &*cursor_;
    }
    if (std::next(cursor_) == items_.end()) return nullptr;
    ++cursor_;
    return &*cursor_;
  }
  void Clear() {
    items_.clear();
    atStart_ = true;
  }
  int32_t Size() const { return static_cast<int32_t>(items_.size()); }
  // The current element, or nullptr when the cursor stands before the first.
  T* Current() { return atStart_ ? nullptr : &*cursor_; }

 private:
  std::list<T> items_;
  Iterator cursor_{};
  bool atStart_ = true;
};

template <class T>
T& ListAdd(List<T>& list) {
  return list.Add();
}
template <class T>
void ListReset(List<T>& list) {
  list.Reset();
}
template <class T>
T* ListNext(List<T>& list) {
  return list.Next();
}
template <class T>
void ListClear(List<T>& list) {
  list.Clear();
}
template <class T>
int32_t ListSize(const List<T>& list) {
  return list.Size();
}

}  // namespace rt

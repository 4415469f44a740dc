// Numbered runtime objects: files, listings, windows, gadgets, fonts and libraries
// share these number rules.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

namespace rt {

// Lets the runtime choose a free number.
inline constexpr int32_t AnyNumber = -1;

template <class T>
class ObjectTable {
 public:
  // Stores obj under `number` (replacing an object of that number), or under a free
  // number when number == AnyNumber. Returns the number chosen for AnyNumber, else a
  // non-zero value; 0 on failure (negative number other than AnyNumber).
  int32_t Add(int32_t number, std::unique_ptr<T> obj) {
    if (number == AnyNumber) {
      number = nextFree_;
      while (objects_.count(number)) ++number;
      nextFree_ = number + 1;
      objects_[number] = std::move(obj);
      return number;
    }
    if (number < 0) return 0;
    objects_[number] = std::move(obj);
    return number == 0 ? 1 : number;
  }
  // nullptr for an unknown number.
  T* Find(int32_t number) const {
    auto it = objects_.find(number);
    return it == objects_.end() ? nullptr : it->second.get();
  }
  void Remove(int32_t number) { objects_.erase(number); }
  // End of program: destroys (and so closes) everything still open.
  void Clear() { objects_.clear(); }
  template <class F>
  void ForEach(F&& f) const {
    for (const auto& [number, obj] : objects_) f(number, *obj);
  }

 private:
  // Numbers chosen by the runtime start high, away from the small fixed numbers
  // callers pick themselves.
  static constexpr int32_t kFirstFree = 0x10000;
  std::map<int32_t, std::unique_ptr<T>> objects_;
  int32_t nextFree_ = kFirstFree;
};

}  // namespace rt

// The festivals that fall on one day, of one kind (lunar or Gregorian), in
// the order a title prefers them. Rarely more than one, never more than
// kCapacity in any region's tables (a test walks every described day), so
// the list is kept by value in the day's record, as a walk over a year
// copies it from day to day.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>

namespace tessarine {

template <class Festival>
class FestivalList {
 public:
  static constexpr std::size_t kCapacity = 3;

  constexpr FestivalList() = default;
  constexpr FestivalList(std::initializer_list<Festival> festivals) {
    for (const Festival f : festivals) push_back(f);
  }

  // A festival already listed is not listed twice; one past the capacity
  // is dropped (the tests keep every region within it).
  constexpr void push_back(Festival festival) noexcept {
    if (contains(festival) || size_ == kCapacity) return;
    items_[size_++] = festival;
  }
  constexpr bool contains(Festival festival) const noexcept {
    for (std::size_t i = 0; i < size_; ++i) {
      if (items_[i] == festival) return true;
    }
    return false;
  }

  constexpr std::size_t size() const noexcept { return size_; }
  constexpr bool empty() const noexcept { return size_ == 0; }
  constexpr const Festival* begin() const noexcept { return items_.data(); }
  constexpr const Festival* end() const noexcept { return items_.data() + size_; }
  // The one a title shows.
  constexpr std::optional<Festival> first() const noexcept {
    return size_ == 0 ? std::nullopt : std::optional<Festival>(items_[0]);
  }

  friend constexpr bool operator==(const FestivalList& a, const FestivalList& b) noexcept {
    if (a.size_ != b.size_) return false;
    for (std::size_t i = 0; i < a.size_; ++i) {
      if (a.items_[i] != b.items_[i]) return false;
    }
    return true;
  }

 private:
  std::array<Festival, kCapacity> items_{};
  std::uint8_t size_ = 0;
};

}  // namespace tessarine

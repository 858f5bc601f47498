// A value, or the reason there is none: what every call of the lists and
// the holiday schedules that can fail returns, so that each says in its
// signature how it fails and every caller asks the same way. It stands in
// for std::expected, whose shape it has, until the project moves to C++23:
//
//   Result<HolidayNotice, NoticeError> notice = ParseHolidayNotice(text);
//   if (!notice) return Refuse(notice.error());
//   Store(notice->schedule);
//
// A call returns a value or Failure{reason}; the value may itself say that
// nothing is there (std::optional), where nothing is no failure. Result<void,
// E> is the result of a step that gives no value.
//
// value() on a failure throws std::bad_variant_access, as std::expected
// throws bad_expected_access; operator* and operator-> and error() have the
// same preconditions as std::expected's (check first).
#pragma once

#include <optional>
#include <type_traits>
#include <utility>
#include <variant>

namespace tessarine {

// The reason a call failed, as it is handed to a Result: std::unexpected's
// part. Failure{reason} deduces the reason's type.
template <typename E>
struct Failure {
  E error;
};
template <typename E>
Failure(E) -> Failure<E>;

template <typename T>
inline constexpr bool kIsFailure = false;
template <typename E>
inline constexpr bool kIsFailure<Failure<E>> = true;

template <typename T, typename E>
class [[nodiscard]] Result {
  static_assert(!std::is_same_v<std::remove_cv_t<T>, std::remove_cv_t<E>>,
                "a value and a reason of one type could not be told apart");

 public:
  using value_type = T;
  using error_type = E;

  // A value, or anything a value is made from.
  template <typename U = T>
    requires std::is_constructible_v<T, U&&> && (!std::is_same_v<std::remove_cvref_t<U>, Result>) &&
             (!kIsFailure<std::remove_cvref_t<U>>)
  constexpr Result(U&& value) : state_(std::in_place_index<0>, std::forward<U>(value)) {}

  template <typename G>
    requires std::is_constructible_v<E, const G&>
  constexpr Result(const Failure<G>& failure) : state_(std::in_place_index<1>, failure.error) {}
  template <typename G>
    requires std::is_constructible_v<E, G&&>
  constexpr Result(Failure<G>&& failure) : state_(std::in_place_index<1>, std::move(failure.error)) {}

  constexpr bool has_value() const noexcept { return state_.index() == 0; }
  constexpr explicit operator bool() const noexcept { return has_value(); }

  constexpr T& value() & { return std::get<0>(state_); }
  constexpr const T& value() const& { return std::get<0>(state_); }
  constexpr T&& value() && { return std::get<0>(std::move(state_)); }

  constexpr T& operator*() & noexcept { return *std::get_if<0>(&state_); }
  constexpr const T& operator*() const& noexcept { return *std::get_if<0>(&state_); }
  constexpr T&& operator*() && noexcept { return std::move(*std::get_if<0>(&state_)); }
  constexpr T* operator->() noexcept { return std::get_if<0>(&state_); }
  constexpr const T* operator->() const noexcept { return std::get_if<0>(&state_); }

  constexpr E& error() & noexcept { return *std::get_if<1>(&state_); }
  constexpr const E& error() const& noexcept { return *std::get_if<1>(&state_); }
  constexpr E&& error() && noexcept { return std::move(*std::get_if<1>(&state_)); }

  template <typename U>
  constexpr T value_or(U&& fallback) const& {
    return has_value() ? **this : static_cast<T>(std::forward<U>(fallback));
  }
  template <typename U>
  constexpr T value_or(U&& fallback) && {
    return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(fallback));
  }

 private:
  std::variant<T, E> state_;
};

// A step that gives no value: it succeeded, or it failed for a reason.
template <typename E>
class [[nodiscard]] Result<void, E> {
 public:
  using value_type = void;
  using error_type = E;

  constexpr Result() = default;
  template <typename G>
    requires std::is_constructible_v<E, const G&>
  constexpr Result(const Failure<G>& failure) : error_(failure.error) {}
  template <typename G>
    requires std::is_constructible_v<E, G&&>
  constexpr Result(Failure<G>&& failure) : error_(std::move(failure.error)) {}

  constexpr bool has_value() const noexcept { return !error_.has_value(); }
  constexpr explicit operator bool() const noexcept { return has_value(); }

  constexpr E& error() & noexcept { return *error_; }
  constexpr const E& error() const& noexcept { return *error_; }
  constexpr E&& error() && noexcept { return std::move(*error_); }

 private:
  std::optional<E> error_;
};

}  // namespace tessarine

#pragma once
// The one error policy of the core: an operation returns a value or a
// message already worded from the string table (ANSI text).

#include <string>
#include <utility>
#include <variant>

namespace ledra {

struct Message {
  int id = 0;        // string-table number the text came from (0 when none)
  std::string text;  // ANSI (Windows-1252) text shown to the user
};

template <class T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}        // NOLINT(google-explicit-constructor)
  Result(Message error) : v_(std::move(error)) {}  // NOLINT(google-explicit-constructor)

  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  T& value() & { return std::get<0>(v_); }
  const T& value() const& { return std::get<0>(v_); }
  T&& value() && { return std::get<0>(std::move(v_)); }
  T* operator->() { return &value(); }
  const T* operator->() const { return &value(); }
  T& operator*() & { return value(); }
  const T& operator*() const& { return value(); }
  const Message& error() const { return std::get<1>(v_); }

 private:
  std::variant<T, Message> v_;
};

// Success or a message, for operations without a value.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Message error) : error_(std::move(error)), failed_(true) {}  // NOLINT
  static Status Ok() { return {}; }

  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Message& error() const { return error_; }

 private:
  Message error_;
  bool failed_ = false;
};

}  // namespace ledra

#pragma once

// Errors travel as values: every fallible core operation returns a Status or a Result<T> whose message a
// user can act on (file, entry, numbers).

#include <optional>
#include <string>
#include <utility>

namespace tarnix
{

class [[nodiscard]] Status
{
  public:
    Status() = default;
    static Status Fail(std::string message) { return Status(std::move(message)); }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return m_error; }

  private:
    explicit Status(std::string message) : m_error(std::move(message)), m_failed(true) {}
    std::string m_error;
    bool m_failed = false;
};

template <typename T> class [[nodiscard]] Result
{
  public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Status failure) : m_error(failure.error()) {}
    static Result Fail(std::string message) { return Result(Status::Fail(std::move(message))); }

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }
    const std::string& error() const { return m_error; }
    Status status() const { return ok() ? Status() : Status::Fail(m_error); }

    T& value() { return *m_value; }
    const T& value() const { return *m_value; }
    T& operator*() { return *m_value; }
    const T& operator*() const { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }

  private:
    std::optional<T> m_value;
    std::string m_error;
};

} // namespace tarnix

#pragma once
// What an engine operation hands back instead of throwing: success, or the operator's message;
// a Result also carries the value. Both have the same shape, so callers test ok() and read
// error() whatever the operation returns.

#include <optional>
#include <string>
#include <utility>

namespace lx {

// Reading the value of a failed Result is a programming error, not an outside condition: it
// stops the program with the message instead of reading an empty value.
[[noreturn]] void FailUncheckedResult(const std::string& error);

class Status {
public:
    Status() = default;  // success
    static Status Failure(std::string error) { return Status(std::move(error)); }

    bool ok() const { return m_Error.empty(); }
    const std::string& error() const { return m_Error; }

private:
    // A failure always says something.
    explicit Status(std::string error) : m_Error(error.empty() ? kUnnamed : std::move(error)) {}
    static constexpr const char* kUnnamed = "?";
    std::string m_Error;
};

template <class T>
class Result {
public:
    Result(T value) : m_Value(std::move(value)) {}
    static Result Failure(std::string error) { return Result(Status::Failure(std::move(error))); }
    Result(Status failure)
        : m_Status(failure.ok() ? Status::Failure({}) : std::move(failure)) {}

    bool ok() const { return m_Value.has_value(); }
    const std::string& error() const { return m_Status.error(); }
    const Status& status() const { return m_Status; }

    T& value() {
        Check();
        return *m_Value;
    }
    const T& value() const {
        Check();
        return *m_Value;
    }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

private:
    void Check() const {
        if (!m_Value)
            FailUncheckedResult(m_Status.error());
    }
    std::optional<T> m_Value;
    Status m_Status;
};

}  // namespace lx

#pragma once
// What a file operation hands back instead of throwing: the value, or the operator's message.

#include <optional>
#include <string>
#include <utility>

namespace lx {

struct Status {
    std::string error;  // empty on success
    bool ok() const { return error.empty(); }
};

template <class T>
class Result {
public:
    Result(T value) : m_Value(std::move(value)) {}
    static Result Failure(std::string error) { return Result(std::move(error), 0); }

    bool ok() const { return m_Value.has_value(); }
    const std::string& error() const { return m_Error; }
    T& value() { return *m_Value; }
    const T& value() const { return *m_Value; }
    T* operator->() { return &*m_Value; }
    const T* operator->() const { return &*m_Value; }

private:
    Result(std::string error, int) : m_Error(std::move(error)) {}
    std::optional<T> m_Value;
    std::string m_Error;
};

}  // namespace lx

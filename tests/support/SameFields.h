#pragma once
// Two records compared through their field lists. A failure names the first stored field that
// differs by its path ("m_Peaks[0].m_Extra3", "printSettings.gcInfoList") with both values, so a
// round trip or an undo that goes wrong says where, not merely that the records differ.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>

#include "core/Fields.h"
#include "core/SampleArray.h"

namespace lx::test {
namespace detail {

template <class T>
std::string Shown(const T& v) {
    if constexpr (std::is_same_v<T, std::uint8_t>)
        return std::to_string(v);  // a number, not a character
    else
        return ::testing::PrintToString(v);
}

inline std::string Join(const std::string& path, const std::string& step) {
    return path.empty() ? step : path + "." + step;
}

template <class T>
std::optional<std::string> FirstDifference(const T& a, const T& b, const std::string& path) {
    if constexpr (FieldRecord<T>) {
        std::optional<std::string> found;
        VisitFieldPairs(a, b, [&](Field field, const auto& x, const auto& y) {
            if (!found)
                found = FirstDifference(x, y, Join(path, field.name));
        });
        return found;
    } else if constexpr (IsVector<T>::value || std::is_same_v<T, SampleArray>) {
        if (a.size() != b.size())
            return path + ": " + std::to_string(a.size()) + " items vs " + std::to_string(b.size());
        for (std::size_t i = 0; i < a.size(); ++i) {
            const std::string at = path + "[" + std::to_string(i) + "]";
            if constexpr (std::is_same_v<T, SampleArray>) {
                const auto k = static_cast<std::ptrdiff_t>(i);
                if (a.At(k) != b.At(k))
                    return at + ": " + Shown(a.At(k)) + " vs " + Shown(b.At(k));
            } else if (auto found = FirstDifference(a[i], b[i], at)) {
                return found;
            }
        }
        return std::nullopt;
    } else {
        if (a == b)
            return std::nullopt;
        return path + ": " + Shown(a) + " vs " + Shown(b);
    }
}

}  // namespace detail

// Success when every stored field of `actual` equals the same field of `expected`.
template <FieldRecord Record>
::testing::AssertionResult SameFields(const Record& expected, const Record& actual) {
    if (auto found = detail::FirstDifference(expected, actual, ""))
        return ::testing::AssertionFailure()
               << "first field that differs (expected vs actual): " << *found;
    return ::testing::AssertionSuccess();
}

}  // namespace lx::test

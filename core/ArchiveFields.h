#pragma once
// Storing and loading a record by walking its field list: i32, u8, f32, f64 and strings as the
// archive writes them, nested records in place, lists as a 32-bit count and their records, and
// a run's samples as their count and one raw block.

#include <cerrno>
#include <cstdint>
#include <string>
#include <type_traits>
#include <vector>

#include "core/Archive.h"
#include "core/Fields.h"
#include "core/SampleArray.h"

namespace lx {

template <FieldRecord Record>
void StoreFields(ArchiveWriter& ar, const Record& record);
template <FieldRecord Record>
void LoadFields(ArchiveReader& ar, Record& record);

// The fewest bytes a stored record can take: every string its one-byte length, every list its
// count. A stored count is checked against it before anything is allocated for the list.
template <FieldRecord Record>
std::uint64_t MinStoredSize();

namespace detail {

template <class T>
std::uint64_t MinSizeOf() {
    if constexpr (std::is_same_v<T, std::int32_t> || std::is_same_v<T, float>)
        return 4;
    else if constexpr (std::is_same_v<T, std::uint8_t> || std::is_same_v<T, std::string>)
        return 1;
    else if constexpr (std::is_same_v<T, double>)
        return 8;
    else if constexpr (IsVector<T>::value || std::is_same_v<T, SampleArray>)
        return 4;
    else
        return MinStoredSize<T>();
}

}  // namespace detail

// One stored value of any kind a field list holds. A loader that must name the part of the file
// that failed, or that reads some parts only from some versions, goes part by part with these.
template <class T>
void StoreValue(ArchiveWriter& ar, const T& v) {
    if constexpr (std::is_same_v<T, std::int32_t>)
        ar.WriteI32(v);
    else if constexpr (std::is_same_v<T, std::uint8_t>)
        ar.WriteU8(v);
    else if constexpr (std::is_same_v<T, float>)
        ar.WriteF32(v);
    else if constexpr (std::is_same_v<T, double>)
        ar.WriteF64(v);
    else if constexpr (std::is_same_v<T, std::string>)
        ar.WriteString(v);
    else if constexpr (std::is_same_v<T, SampleArray>)
        v.Store(ar);
    else if constexpr (IsVector<T>::value) {
        if (v.size() > 0xFFFFFFFFu) {  // the count is stored in 32 bits
            ar.Fail(EFBIG);
            return;
        }
        ar.WriteU32(static_cast<std::uint32_t>(v.size()));
        for (const auto& item : v)
            StoreValue(ar, item);
    } else
        StoreFields(ar, v);
}

// After a failure the reader has failed for good; the value may be partly read.
template <class T>
void LoadValue(ArchiveReader& ar, T& v) {
    if constexpr (std::is_same_v<T, std::int32_t>)
        v = ar.ReadI32();
    else if constexpr (std::is_same_v<T, std::uint8_t>)
        v = ar.ReadU8();
    else if constexpr (std::is_same_v<T, float>)
        v = ar.ReadF32();
    else if constexpr (std::is_same_v<T, double>)
        v = ar.ReadF64();
    else if constexpr (std::is_same_v<T, std::string>)
        v = ar.ReadString();
    else if constexpr (std::is_same_v<T, SampleArray>)
        v.Load(ar);
    else if constexpr (IsVector<T>::value) {
        using Item = typename T::value_type;
        const std::uint32_t count = ar.ReadU32();
        if (!ar.CheckCount(count, detail::MinSizeOf<Item>())) {
            v.clear();
            return;
        }
        v.assign(count, Item{});
        for (auto& item : v)
            LoadValue(ar, item);
    } else
        LoadFields(ar, v);
}

template <FieldRecord Record>
void StoreFields(ArchiveWriter& ar, const Record& record) {
    Record::VisitFields(record, [&](Field, const auto& v) { StoreValue(ar, v); });
}

template <FieldRecord Record>
void LoadFields(ArchiveReader& ar, Record& record) {
    Record::VisitFields(record, [&](Field, auto& v) { LoadValue(ar, v); });
}

template <FieldRecord Record>
std::uint64_t MinStoredSize() {
    static const std::uint64_t size = [] {
        std::uint64_t sum = 0;
        Record probe{};
        Record::VisitFields(probe, [&](Field, auto& v) {
            sum += detail::MinSizeOf<std::remove_cvref_t<decltype(v)>>();
        });
        return sum;
    }();
    return size;
}

}  // namespace lx

#pragma once
// Every stored record lists its fields once, in file order, each with its name and member:
//
//   template <class Self, class Visit>
//   static void VisitFields(Self& self, Visit&& visit) {   // Self: the record, const or not
//       visit(Field{"m_Number"}, self.m_Number);
//       visit(Field{"m_Aux", FieldRole::Placeholder}, self.m_Aux);
//       ...
//   }
//
// Storing, loading, JSON output, the desktop's property sheets and undo commands, and the
// tests' field-by-field comparisons all walk that one list, so a field added or moved in one
// place is added or moved everywhere. The names are the file format's own, which users of an
// archive know. A member that the file does not hold (a path, a working value) is not listed.

#include <concepts>
#include <cstddef>
#include <string>
#include <type_traits>
#include <vector>

namespace lx {

enum class FieldRole {
    Value,        // a field with a meaning
    Placeholder,  // stored and carried unchanged, meaning unknown (unnamed, extra, spare)
};

struct Field {
    const char* name;
    FieldRole role = FieldRole::Value;
};

template <class T>
concept FieldRecord = requires(T& t) {
    T::VisitFields(t, [](Field, auto&) {});
};

template <class T>
struct IsVector : std::false_type {};
template <class T>
struct IsVector<std::vector<T>> : std::true_type {};

// Walks two records of one type side by side: visit(field, a's member, b's member), the two
// members of the same type, for comparisons that must say which field differs.
template <FieldRecord Record, class Visit>
void VisitFieldPairs(const Record& a, const Record& b, Visit&& visit) {
    std::vector<const void*> members;
    Record::VisitFields(b, [&](Field, const auto& v) { members.push_back(&v); });
    std::size_t i = 0;
    Record::VisitFields(a, [&](Field field, const auto& v) {
        using T = std::remove_cvref_t<decltype(v)>;
        visit(field, v, *static_cast<const T*>(members[i++]));
    });
}

}  // namespace lx

#pragma once
// The signal of one run: signed 32-bit samples in microvolts.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

namespace lx {

class ArchiveReader;
class ArchiveWriter;

class SampleArray {
public:
    static constexpr std::size_t kGrowthStep = 8000;
    static constexpr std::size_t kInitialReservation = 26000;

    SampleArray() = default;
    SampleArray(const SampleArray& other);
    SampleArray& operator=(const SampleArray& other);
    // A moved-from array is empty: a finished run's samples move to its record while the live
    // plot may still read the channel's.
    SampleArray(SampleArray&& other) noexcept
        : m_Loaded(other.m_Loaded),
          m_Data(std::move(other.m_Data)),
          m_Count(std::exchange(other.m_Count, 0)) {}
    SampleArray& operator=(SampleArray&& other) noexcept {
        m_Loaded = other.m_Loaded;
        m_Data = std::move(other.m_Data);
        m_Count = std::exchange(other.m_Count, 0);
        return *this;
    }

    // Starts a recording: kInitialReservation zeroed samples; the recorder trims with Resize().
    void Allocate();
    // Sets exactly `count` samples, keeping the leading ones; new ones are zero.
    void Resize(std::size_t count);
    // Writes sample i; an index at or beyond the count first grows the array by the growth step
    // (as often as needed), so a recorder can write past the end without sizing ahead.
    void SetAt(std::size_t i, std::int32_t value);
    // Sample i, or -1 outside the array or when nothing is allocated.
    std::int32_t At(std::ptrdiff_t i) const {
        return i >= 0 && static_cast<std::size_t>(i) < m_Count ? m_Data[i] : -1;
    }

    std::size_t size() const { return m_Count; }
    bool empty() const { return m_Count == 0; }
    bool IsAllocated() const { return m_Data != nullptr; }
    std::int32_t* data() { return m_Data.get(); }
    const std::int32_t* data() const { return m_Data.get(); }
    const std::int32_t* begin() const { return m_Data.get(); }
    const std::int32_t* end() const { return m_Data.get() + m_Count; }

    // Count then the raw block of samples.
    void Store(ArchiveWriter& ar) const;
    // Reads what Store wrote; false (array unchanged) when the count exceeds the bytes left or the
    // block is cut short. Sets m_Loaded on success.
    bool Load(ArchiveReader& ar);

    // Set once the samples came from a file.
    int m_Loaded = 0;

private:
    // Exact buffer of `count` samples; a load overwrites every value, so none is zeroed here.
    void Reallocate(std::size_t count);

    // Held by malloc's heap so growth is a realloc: a long recording's block is moved by the
    // kernel's page tables (mremap), not copied, and leaves no freed block behind to fragment
    // the heap, so a day's run costs its samples and no more.
    struct Free {
        void operator()(std::int32_t* data) const;
    };
    std::unique_ptr<std::int32_t[], Free> m_Data;
    std::size_t m_Count = 0;
};

bool operator==(const SampleArray& a, const SampleArray& b);

// Keeps every large block (a run's samples) in its own memory mapping, so growing it by
// realloc moves pages instead of copying, and freeing it returns the memory at once. Without
// it the allocator raises its mapping threshold after a large block is freed (a long file
// closed), and later recordings grow on the heap, leaving a hole behind at every step.
// Programs that record call it once at start.
void MapLargeSampleBlocks();

}  // namespace lx

#include "core/SampleArray.h"

#include <malloc.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <new>

#include "core/Archive.h"

namespace lx {

SampleArray::SampleArray(const SampleArray& other) : m_Loaded(other.m_Loaded) {
    if (other.IsAllocated()) {
        Reallocate(other.m_Count);
        std::copy(other.begin(), other.end(), m_Data.get());
    }
}

SampleArray& SampleArray::operator=(const SampleArray& other) {
    if (this != &other) {
        SampleArray copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void MapLargeSampleBlocks() {
    // 256 KiB: 64k samples, under an hour at 20 a second; setting it also fixes it.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
}

void SampleArray::Free::operator()(std::int32_t* data) const {
    std::free(data);
}

void SampleArray::Reallocate(std::size_t count) {
    const std::size_t bytes = (count == 0 ? 1 : count) * sizeof(std::int32_t);
    std::int32_t* old = m_Data.release();
    void* grown = std::realloc(old, bytes);
    if (grown == nullptr) {
        m_Data.reset(old);  // realloc leaves the old block as it was
        throw std::bad_alloc();
    }
    m_Data.reset(static_cast<std::int32_t*>(grown));
    m_Count = count;
}

void SampleArray::Allocate() {
    m_Data.reset();
    m_Count = 0;
    Resize(kInitialReservation);
}

void SampleArray::Resize(std::size_t count) {
    std::size_t old = IsAllocated() ? m_Count : 0;
    if (!IsAllocated() || count != m_Count)
        Reallocate(count);
    if (count > old)
        std::fill(m_Data.get() + old, m_Data.get() + count, 0);
}

void SampleArray::SetAt(std::size_t i, std::int32_t value) {
    if (!IsAllocated() || i >= m_Count) {
        std::size_t steps = (i - (IsAllocated() ? m_Count : 0)) / kGrowthStep + 1;
        Resize((IsAllocated() ? m_Count : 0) + steps * kGrowthStep);
    }
    m_Data[i] = value;
}

void SampleArray::Store(ArchiveWriter& ar) const {
    if (m_Count > 0x7FFFFFFFu) {  // what a file holds is addressed with signed 32-bit indices
        ar.Fail(EFBIG);
        return;
    }
    ar.WriteU32(static_cast<std::uint32_t>(m_Count));
    ar.WriteI32Block(m_Data.get(), m_Count);
}

bool SampleArray::Load(ArchiveReader& ar) {
    std::uint32_t count = ar.ReadU32();
    // Peaks and events address samples with signed 32-bit indices: a longer run cannot be
    // integrated, so it is not taken.
    if (!ar.CheckCount(count, 4, 0x7FFFFFFF))
        return false;
    SampleArray loaded;
    loaded.Reallocate(count);
    if (!ar.ReadI32Block(loaded.data(), count))
        return false;
    loaded.m_Loaded = 1;
    *this = std::move(loaded);
    return true;
}

bool operator==(const SampleArray& a, const SampleArray& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin());
}

}  // namespace lx

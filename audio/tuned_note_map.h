#pragma once

#include <span>

#include "audio/tuned_note_cache.h"

namespace selvika {

// The cache file mapped for reading while a rendering mixes its notes: a
// tuned note is heard where it lies in the file and never copied, so the
// rendering holds no tuned note of its own in memory however many it plays.
class AkortluNotaHaritası {
public:
    // Maps the file as it is now: notes made later are not in the map.
    explicit AkortluNotaHaritası(const AkortluNotaDeposu& depo);
    ~AkortluNotaHaritası();
    AkortluNotaHaritası(const AkortluNotaHaritası&) = delete;
    AkortluNotaHaritası& operator=(const AkortluNotaHaritası&) = delete;

    // The note as its entry covers it; empty when it is not made or the file
    // does not hold it.
    std::span<const Integer> nota(int kÜssü, int kayma, int saz) const;

private:
    const AkortluNotaDeposu& depo_;
    void* adres_ = nullptr;
    std::size_t boy_ = 0;
};

}  // namespace selvika

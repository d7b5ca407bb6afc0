#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "audio/frequencies.h"
#include "audio/instruments.h"
#include "core/fixed_array.h"

namespace selvika {

// Where a tuned note lies in the cache file: its byte offset counted from 1
// and its length in bytes; length 0 means it has not been made yet.
struct NotaYeri {
    Long konum = 0;
    Long uzunluk = 0;
    constexpr bool operator==(const NotaYeri&) const = default;
};

// The tuned notes of the run (`AkortluData.dat`), raw samples one after
// another, each (sounding position, microtone shift, instrument) made once
// and reused. The file is deleted when its owner closes.
class AkortluNotaDeposu {
public:
    explicit AkortluNotaDeposu(std::filesystem::path dosya);
    ~AkortluNotaDeposu();
    AkortluNotaDeposu(const AkortluNotaDeposu&) = delete;
    AkortluNotaDeposu& operator=(const AkortluNotaDeposu&) = delete;

    // Opening goes on after whatever the file already holds.
    bool aç();
    void kapat();

    const NotaYeri& yeri(int kÜssü, int kayma, int saz) const { return tablo_[kÜssü][kayma][saz]; }
    bool var(int kÜssü, int kayma, int saz) const { return yeri(kÜssü, kayma, saz).uzunluk != 0; }

    // Writes the whole note at the next free offset; its entry leaves out the
    // last sample, which the next note overwrites.
    void yaz(int kÜssü, int kayma, int saz, const ÖrnekTamponu& nota);

    // The note as its entry covers it, read whether the cache is open or
    // not; empty when not made or unreadable.
    ÖrnekTamponu oku(int kÜssü, int kayma, int saz) const;

    const std::filesystem::path& dosya() const { return dosya_; }

private:
    std::filesystem::path dosya_;
    std::fstream akış_;
    Long sonrakiBoş_ = 1;
    FixedArray<FixedArray<FixedArray<NotaYeri, 0, saz::son>, -1, 1>, enTizSes, enPestSes> tablo_{};
};

}  // namespace selvika

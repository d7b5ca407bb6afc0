#pragma once

#include <filesystem>

#include "core/line.h"

namespace selvika {

// Ten snapshots of the line buffer in the file `temp.001`, slot s at byte
// s × 11000, giving undo and redo within the line being edited. The file is
// private to one run: it is created here and deleted with the ring.
class YedekHalkası {
public:
    static constexpr int slotSayısı = 10;
    static constexpr long slotAdımı = 11000;
    static constexpr int enFazlaGeriAlma = 9;

    explicit YedekHalkası(std::filesystem::path dosya);  // throws DosyaHatası
    ~YedekHalkası();
    YedekHalkası(const YedekHalkası&) = delete;
    YedekHalkası& operator=(const YedekHalkası&) = delete;

    // A line was loaded: its history starts afresh with this first snapshot,
    // which has nothing before it to undo to.
    void yeniSatır(const Satır& tampon);

    // `YEDEKLE`: the buffer after an edit goes into the next slot.
    void yedekle(const Satır& tampon);

    // Restore the previous or the next snapshot into the buffer.
    void geriAl(Satır& tampon);
    void yinele(Satır& tampon);

    bool geriAlınabilir() const { return geriSayısı_ >= 1; }
    bool yinelenebilir() const { return ileriSayısı_ >= 1; }
    int konum() const { return konum_; }
    int geriSayısı() const { return geriSayısı_; }
    int ileriSayısı() const { return ileriSayısı_; }

private:
    void yaz(int slot, const Satır& tampon);
    void oku(int slot, Satır& tampon) const;  // SATIROKUGERİ

    std::filesystem::path dosya_;
    int fd_ = -1;
    int konum_ = 0;
    int geriSayısı_ = 0;
    int ileriSayısı_ = 0;
};

}  // namespace selvika

#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "core/line.h"

namespace selvika {

// What a run that ended without closing left in its ring: the score and the
// line that had edits not stored, and the line's last snapshot.
struct KurtarılanSatır {
    std::filesystem::path eser;
    int satırNo = 0;
    Satır satır;
};

// The question the next run asks before it brings such a line back.
inline constexpr const char* kurtarmaBaşlığı = "Kurtarma";
std::string kurtarmaSorusu(const KurtarılanSatır& k);

// Ten snapshots of the line buffer in the file `temp.001`, slot s at byte
// s × 11000, giving undo and redo within the line being edited. The file is
// private to one run: it is created here and deleted with the ring. Its
// first 11000 bytes, which no slot uses, name the score and line the
// snapshots belong to, so that a run killed with edits not stored can be
// recovered from.
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

    // The score and line the snapshots are of; whether the buffer holds
    // edits not stored.
    void satırıTanıt(const std::filesystem::path& eser, int satırNo);
    void kaydedilmemiş(bool var);

    // The line a ring left behind by a killed run had not stored; nothing
    // when there is no such ring or it holds no such line.
    static std::optional<KurtarılanSatır> kurtar(const std::filesystem::path& dosya);

    bool geriAlınabilir() const { return geriSayısı_ >= 1; }
    bool yinelenebilir() const { return ileriSayısı_ >= 1; }
    int konum() const { return konum_; }
    int geriSayısı() const { return geriSayısı_; }
    int ileriSayısı() const { return ileriSayısı_; }

private:
    void yaz(int slot, const Satır& tampon);
    void oku(int slot, Satır& tampon) const;  // SATIROKUGERİ
    void kimliğiYaz();

    std::filesystem::path dosya_;
    int fd_ = -1;
    int konum_ = 0;
    int geriSayısı_ = 0;
    int ileriSayısı_ = 0;
    std::filesystem::path eser_;
    int satırNo_ = 0;
    bool kaydedilmemiş_ = false;
};

}  // namespace selvika

#pragma once

#include <array>
#include <cassert>
#include <optional>
#include <vector>

#include "core/element.h"
#include "pitch/melodic_direction.h"

namespace selvika {

inline constexpr int sesSayısı = 4;  // soloist and accompaniments 1 to 3

// One element of the score as the performance walks it.
struct NotaKaydı {
    int ekranX = 0;
    Byte satır = 0;
    Byte eleman = 0;
    Byte tür = 0;       // staff position of a note, or the element's kind
    Byte sesindeks = 0;  // koma position, 0 = no pitch
    Byte süre = 0;      // performed duration in units of 1/128
    Integer arıza = 0;
    Integer mikroton = 0;
    bool tremolo = false;
    Byte kanal = 0;  // 0 heard in every voice, 1..3 only in voices set to it
    Byte gurupYeri = 0;  // where the melodic direction stops looking
    Seyir seyir = Seyir::düz;
    std::array<Byte, sesSayısı> çalınanSesler{};  // per voice, filled when its tuned notes are made

    constexpr bool sesli() const { return tür >= 1 && tür <= tür::sonNota && sesindeks != 0; }
};

// The flat note table (`notalar`): every element of every line in score
// order. Passages refer to it by index, counted from 1.
class Notalar {
public:
    void ekle(const NotaKaydı& kayıt) { kayıtlar_.push_back(kayıt); }
    int sayı() const { return static_cast<int>(kayıtlar_.size()); }
    auto begin() const { return kayıtlar_.begin(); }
    auto end() const { return kayıtlar_.end(); }
    NotaKaydı& operator[](int i) {
        assert(i >= 1 && i <= sayı());
        return kayıtlar_[static_cast<std::size_t>(i - 1)];
    }
    const NotaKaydı& operator[](int i) const {
        assert(i >= 1 && i <= sayı());
        return kayıtlar_[static_cast<std::size_t>(i - 1)];
    }

private:
    std::vector<NotaKaydı> kayıtlar_;
};

// The flat record of element `eleman` of line `satır`.
NotaKaydı notaKaydı(const Eleman& e, int satır, int eleman);

// The index of that record in the table; nothing when it holds none.
std::optional<int> notaİndeksi(const Notalar& notalar, int satır, int eleman);

}  // namespace selvika

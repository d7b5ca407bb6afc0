#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "audio/cesni.h"
#include "audio/tuned_note_cache.h"
#include "audio/tuning_factors.h"
#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

// A pitched note of a passage voice as the flat note table holds it.
struct SesliNota {
    Ses ses;
    int perde = 0;  // staff position
    Seyir seyir = Seyir::düz;
    int satırNo = 0;
    int elemanNo = 0;
};

// Where a passage note sounds: its pitch after the çeşni and its sounding
// position in the voice.
struct ÇalınanNota {
    Ses ses;
    int kÜssü = 0;
};

// Makes the tuned notes a voice needs and puts them in the cache: from the
// instrument's sample block of the nearest perde, or generated for SINUS.
class AkortluNotaYapıcı {
public:
    AkortluNotaYapıcı(AkortluNotaDeposu& depo, const AkortÇarpanları& çarpanlar,
                      std::filesystem::path klasör, Etkileşim& etkileşim);

    // The instrument that plays a code: SINUS, with a word to the user, when
    // the code's sample file is missing.
    int sazSeç(std::string_view kod);

    // The note of (k', shift, instrument) unless the cache has it already.
    // A block that cannot be read or retuned is reported under the
    // element's number and nothing is made: false, and the playing stops.
    bool notaYap(int kÜssü, int kayma, int saz, int elemanNo);

    // A note of a passage voice: the passage's çeşni, then the voice's
    // göçürüm, then its tuned note. Nothing, named to the user, when it
    // leaves the tables.
    std::optional<ÇalınanNota> sesliNotaYap(const SesliNota& nota, Çeşni çeşni, const CinsKütüphanesi& cinsler,
                                            int göçürüm, int saz);

    AkortluNotaDeposu& depo() { return depo_; }

    // The refusal of a note whose pitch falls outside the tables.
    void tabloDışı(int satırNo, int elemanNo);

private:
    ÖrnekTamponu blokAkortu(int kÜssü, Single ft, int saz, int elemanNo);

    AkortluNotaDeposu& depo_;
    const AkortÇarpanları& çarpanlar_;
    std::filesystem::path klasör_;
    Etkileşim& etkileşim_;
};

// The sounding position of a pitch in a voice lowered by `göçürüm`;
// nothing when the pitch or the fold leaves the tables.
std::optional<int> çalınanKonum(Ses ses, int göçürüm);

// The sounding position of every element of a line, 0 where it has no pitch.
using SatırSesleri = FixedArray<Byte, 0, sonElemanYuvası>;

// A line's tuned notes as made: where each element sounds and the
// instrument that plays them, SINUS when the code's sample file is missing.
struct AkortluSatır {
    SatırSesleri sesler;
    int saz = saz::sinüs;
};

// Makes the tuned notes of a line played by the instrument `kod` lowered by
// `göçürüm`, in the cache it opens and closes. Nothing when the cache cannot
// be opened, a note falls outside the tables (named to the user before
// anything is made) or a note cannot be made.
std::optional<AkortluSatır> satırınAkortluNotalarınıYap(const Satır& satır, int satırNo, std::string_view kod,
                                                        int göçürüm, AkortluNotaYapıcı& yapıcı);

}  // namespace selvika

#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "audio/mixing.h"
#include "audio/tempo.h"
#include "core/interaction.h"
#include "core/passage.h"
#include "core/widths.h"
#include "rhythm/usul_library.h"

namespace selvika {

inline constexpr std::string_view ritimDosyasıAdı = "RITIM.pcm";
inline constexpr std::string_view ritimDosyasıBulunamadı = "RITIM.pcm dosyası bulunamadı";

// TEFOO 1, BENDR 2, KUDUM 3; nothing for a code that plays no rhythm.
std::optional<int> ritimSazı(std::string_view kod);

// Where one recorded stroke lies in RITIM.pcm: its 1-based byte position and
// its length in samples.
struct VuruşYeri {
    Long konum = 0;
    Long uzunluk = 0;
};

// Indexed by stroke set (1, 2), sound number (0..3) and rhythm instrument (1..3).
class VuruşTablosu {
public:
    VuruşYeri& operator()(int takım, int ses, int saz) { return yerler_[takım - 1][ses][saz - 1]; }
    const VuruşYeri& operator()(int takım, int ses, int saz) const { return yerler_[takım - 1][ses][saz - 1]; }

private:
    std::array<std::array<std::array<VuruşYeri, 3>, 4>, 2> yerler_{};
};

// The layout RITIM.pcm is recorded in: for each instrument, set 1 then set 2,
// sounds 0 to 3 of growing length, back to back.
VuruşTablosu ritimVuruşları();

// The samples of RITIM.pcm with the table that finds the strokes in them.
class VuruşKaydı {
public:
    VuruşKaydı(std::vector<Integer> örnekler, const VuruşTablosu& tablo)
        : örnekler_(std::move(örnekler)), tablo_(tablo) {}

    // Empty for a sound number outside 0..3; cut where the recording ends.
    std::span<const Integer> vuruş(int takım, int ses, int saz) const;

private:
    std::vector<Integer> örnekler_;
    VuruşTablosu tablo_;
};

// The pattern repeated over `toplamBirim` units; the last cycle stops after
// the step that reaches them. A step holding both lengths lasts its second
// one, here as in the rendering: it sounds both strokes together and the
// second, the later-written, sets the pace.
std::vector<UsulAdımı> vuruşDizisi(std::span<const UsulAdımı> desen, long toplamBirim);

// Mixes the strokes of `dizi` by halves into `tampon` along the tempo curve;
// each stroke sounds for at most half its step.
void vuruşlarıÇal(std::span<Integer> tampon, std::span<const UsulAdımı> dizi, const Tempo& tempo,
                  const VuruşKaydı& kayıt, int saz);

// A missing RITIM.pcm or usuller.usl is told once in a run: the run keeps this.
struct EksikDosyaUyarıları {
    bool ritim = false;
    bool usul = false;
};

// The run's own: shown once in a run means once for the whole program.
inline EksikDosyaUyarıları& çalışmanınUyarıları() {
    static EksikDosyaUyarıları uyarılar;
    return uyarılar;
}

inline constexpr std::string_view usulNumarasıVerilmemiş = "Usul numarası verilmemiş.";

// The passage's rhythm buffer from the files of the program folder; nothing
// without a playable rhythm instrument, an usul number or the files.
std::optional<std::vector<Integer>> ritimİzi(const std::filesystem::path& klasör, const Pasaj& pasaj,
                                            const Tempo& tempo, EksikDosyaUyarıları& uyarılar,
                                            Etkileşim& etkileşim);

}  // namespace selvika

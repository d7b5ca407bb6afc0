#pragma once

#include <filesystem>
#include <fstream>
#include <span>
#include <string_view>
#include <vector>

#include "core/file_io.h"
#include "core/fixed_text.h"
#include "core/interaction.h"
#include "audio/sample_rate.h"
#include "core/widths.h"

namespace selvika {

inline constexpr std::string_view icraEdilecekBölümYok = "Icra edilecek bölüm bulunamadı";

struct WavBaşlığı {
    Text<4> riff = Text<4>::fromCodePageBytes("RIFF");
    Long riffBoyu = 36;
    Text<4> wave = Text<4>::fromCodePageBytes("WAVE");
    Text<4> fmt = Text<4>::fromCodePageBytes("fmt ");
    Long fmtBoyu = 16;
    Integer biçim = 1;
    Integer kanallar = 0;
    Long hız = 0;
    Long baytHızı = 0;
    Integer blokHizası = 0;
    Integer bitSayısı = 0;
    Text<4> data = Text<4>::fromCodePageBytes("data");
    Long veriBoyu = 0;

    static constexpr void fields(auto& r, auto&& f) {
        f(r.riff, r.riffBoyu, r.wave, r.fmt, r.fmtBoyu, r.biçim, r.kanallar, r.hız, r.baytHızı, r.blokHizası,
          r.bitSayısı, r.data, r.veriBoyu);
    }
    constexpr bool operator==(const WavBaşlığı&) const = default;
};

// The header of a PCM file holding `örnekSayısı` samples per channel.
WavBaşlığı wavBaşlığı(Long örnekSayısı, Integer kanallar, Long hız, Integer bitSayısı);

// The rendered WAV file: the header's room first, the passages appended in
// order, the header written over its room once the total is known. Write
// failures throw DosyaHatası.
class WavÇıktısı {
public:
    // Deletes the file if it exists and starts it anew.
    explicit WavÇıktısı(const std::filesystem::path& yol);

    // Appends one passage and keeps its end time.
    void ekle(std::span<const Integer> örnekler);

    // Writes the header and closes the file; an empty output keeps no
    // header and is reported instead.
    bool bitir(Etkileşim& etkileşim);

    Long örnekSayısı() const { return örnekSayısı_; }
    // For every appended passage, the length of the output after it in
    // milliseconds.
    const std::vector<double>& bitişZamanları() const { return bitişZamanları_; }

private:
    void denetle() const;

    std::filesystem::path yol_;
    std::fstream dosya_;
    Long örnekSayısı_ = 0;
    std::vector<double> bitişZamanları_;
};

}  // namespace selvika

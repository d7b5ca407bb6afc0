#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace selvika {

// The General MIDI sound that plays an instrument's sample file.
struct SazSesi {
    int saz = 0;  // instrument number
    bool tremolo = false;
    int bank = 0;
    int program = 0;
    long atla = 0;  // samples of the sound's start left out
};

// The General MIDI percussion keys that play one recorded stroke.
struct VuruşSesi {
    int ritimSazı = 0;  // 1..3
    int takım = 0;      // 1..2
    int ses = 0;        // 0..3
    std::vector<int> tuşlar;
    int hız = 0;
};

struct GMTablosuHatası : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// data/gm_instruments.tsv: one row for each instrument 1..12.
std::vector<SazSesi> sazSesleriniOku(const std::filesystem::path& yol);

// data/gm_drums.tsv: one row for each stroke of each rhythm instrument.
std::vector<VuruşSesi> vuruşSesleriniOku(const std::filesystem::path& yol);

}  // namespace selvika

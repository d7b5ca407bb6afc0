// sample_files: plays the instruments' sample files and RITIM.pcm from a
// General MIDI SoundFont into the program folder, then measures the pitch
// of every block and writes the tuning presets that correct it.
//     sample_files FluidR3_GM.sf2 data/gm_instruments.tsv data/gm_drums.tsv OUT

#include <algorithm>
#include <atomic>
#include <cmath>
#include <iomanip>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <mutex>
#include <sstream>
#include <thread>

#include "audio/rhythm_track.h"
#include "tools/sample_files/presets.h"
#include "tools/sample_files/recordings.h"

namespace fs = std::filesystem;
using namespace selvika;

namespace {

void dosyaYaz(const fs::path& yol, const ÖrnekTamponu& örnekler) {
    std::ofstream dosya(yol, std::ios::binary | std::ios::trunc);
    örnekYaz(dosya, örnekler);
    if (!dosya) throw std::runtime_error(yol.string() + ": cannot be written");
}

std::string özet(int saz, const AkortÖlçümü& ölçüm) {
    double en = 0, çok = 0;
    int ölçülmedi = 0;
    for (double s : ölçüm.sapma) {
        if (std::isnan(s)) ++ölçülmedi;
        else en = std::min(en, s), çok = std::max(çok, s);
    }
    std::ostringstream metin;
    metin << sazKodu(saz) << ": blocks " << std::showpos << std::fixed << std::setprecision(1) << en << " to "
          << çok << " cents off their perdes" << std::noshowpos;
    if (ölçülmedi > 0) metin << ", " << ölçülmedi << " not measured (preset 0)";
    return metin.str();
}

void önAyarlarıYaz(const fs::path& yol, const std::map<int, AkortÖlçümü>& ölçümler) {
    std::ofstream dosya(yol, std::ios::trunc);
    dosya << "# Tuning presets of the sample files in fifth-komas, measured when they were made:\n"
             "# instrument code, then perde indices 1 (Tiz Muhayyer) to 23 (Kaba Rast).\n";
    for (const auto& [saz, ölçüm] : ölçümler) dosya << önAyarSatırı(saz, ölçüm.önAyar) << '\n';
    if (!dosya) throw std::runtime_error(yol.string() + ": cannot be written");
}

// Runs the jobs on every core; the first failure is told and ends the tool.
bool hepsiniÇalıştır(const std::vector<std::function<void()>>& işler) {
    std::atomic<std::size_t> sıradaki = 0;
    std::mutex kilit;
    bool başarılı = true;
    auto işçi = [&] {
        for (std::size_t i; (i = sıradaki++) < işler.size();) try {
                işler[i]();
            } catch (const std::exception& hata) {
                std::scoped_lock k(kilit);
                std::cerr << "sample_files: " << hata.what() << '\n';
                başarılı = false;
            }
    };
    std::vector<std::jthread> işçiler;
    for (unsigned n = std::max(1u, std::thread::hardware_concurrency()); n > 0; --n) işçiler.emplace_back(işçi);
    işçiler.clear();
    return başarılı;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::cerr << "usage: sample_files SOUNDFONT.sf2 GM_INSTRUMENTS.tsv GM_DRUMS.tsv PROGRAM_FOLDER\n";
        return 2;
    }
    const fs::path soundFont = argv[1], klasör = argv[4];
    std::vector<SazSesi> sazlar;
    std::vector<VuruşSesi> vuruşlar;
    try {
        sazlar = sazSesleriniOku(argv[2]);
        vuruşlar = vuruşSesleriniOku(argv[3]);
    } catch (const GMTablosuHatası& hata) {
        std::cerr << "sample_files: " << hata.what() << '\n';
        return 1;
    }
    std::map<int, AkortÖlçümü> ölçümler;
    std::mutex kilit;
    std::vector<std::function<void()>> işler;
    for (const SazSesi& ses : sazlar)
        işler.push_back([&, ses] {
            Sentezci sentezci(soundFont);
            const ÖrnekTamponu örnekler = onaltıBit(sazKaydı(sentezci, ses));
            dosyaYaz(örnekDosyası(klasör, ses.saz), örnekler);
            const AkortÖlçümü ölçüm = akortÖlç(örnekler, ses);
            std::scoped_lock k(kilit);
            ölçümler[ses.saz] = ölçüm;
        });
    işler.push_back([&] {
        Sentezci sentezci(soundFont);
        dosyaYaz(klasör / ritimDosyasıAdı, onaltıBit(ritimKaydı(sentezci, vuruşlar)));
    });
    if (!hepsiniÇalıştır(işler)) return 1;
    try {
        önAyarlarıYaz(klasör / önAyarDosyasıAdı, ölçümler);
    } catch (const std::exception& hata) {
        std::cerr << "sample_files: " << hata.what() << '\n';
        return 1;
    }
    for (const auto& [saz, ölçüm] : ölçümler) std::cout << özet(saz, ölçüm) << '\n';
}

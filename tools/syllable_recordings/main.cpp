// syllable_recordings: sings the solfège syllables and speaks the bona words
// with espeak-ng's Turkish voice into SOLFEJ.pcm and BONA.pcm.
//     syllable_recordings data/espeak_turkish_sung PROGRAM_FOLDER

#include <fstream>
#include <iostream>

#include "audio/syllable_render.h"
#include "tools/syllable_recordings/recordings.h"

namespace {

void yaz(const std::filesystem::path& yol, const selvika::ÖrnekTamponu& örnekler) {
    std::ofstream dosya(yol, std::ios::binary | std::ios::trunc);
    selvika::örnekYaz(dosya, örnekler);
    if (!dosya.flush()) throw std::runtime_error(yol.string() + ": cannot be written");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: syllable_recordings SUNG_VOICE PROGRAM_FOLDER\n";
        return 2;
    }
    using namespace selvika;
    try {
        TürkçeSes ses(argv[1]);
        yaz(heceDosyası(argv[2], HeceKipi::solfej), solfejKayıtları(ses));
        yaz(heceDosyası(argv[2], HeceKipi::bona), bonaKayıtları(ses));
    } catch (const std::exception& hata) {
        std::cerr << "syllable_recordings: " << hata.what() << '\n';
        return 1;
    }
}

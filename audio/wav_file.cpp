#include "audio/wav_file.h"

#include "audio/instruments.h"
#include "core/packing.h"

namespace selvika {
namespace {

constexpr std::size_t başlıkBoyu = packedSizeOf<WavBaşlığı>;
static_assert(başlıkBoyu == 44);

}  // namespace

WavBaşlığı wavBaşlığı(Long örnekSayısı, Integer kanallar, Long hız, Integer bitSayısı) {
    WavBaşlığı b;
    b.kanallar = kanallar;
    b.hız = hız;
    b.blokHizası = static_cast<Integer>(kanallar * bitSayısı / 8);
    b.baytHızı = b.blokHizası * hız;
    b.bitSayısı = bitSayısı;
    b.veriBoyu = örnekSayısı * b.blokHizası;
    b.riffBoyu = b.veriBoyu + 36;
    return b;
}

WavÇıktısı::WavÇıktısı(const std::filesystem::path& yol) : yol_(yol) {
    std::error_code yok;
    std::filesystem::remove(yol_, yok);
    dosya_.open(yol_, std::ios::binary | std::ios::in | std::ios::out | std::ios::trunc);
    dosya_.write(std::string(başlıkBoyu, '\0').data(), başlıkBoyu);
    denetle();
}

void WavÇıktısı::denetle() const {
    if (dosya_.fail()) throw DosyaHatası(yol_.string() + " yazılamadı");
}

void WavÇıktısı::ekle(std::span<const Integer> örnekler) {
    örnekYaz(dosya_, örnekler);
    denetle();
    örnekSayısı_ += static_cast<Long>(örnekler.size());
    bitişZamanları_.push_back(örnekSayısı_ / (örneklemeHızı / 1000.0));
}

bool WavÇıktısı::bitir(Etkileşim& etkileşim) {
    if (örnekSayısı_ == 0) {
        dosya_.close();
        etkileşim.mesaj(icraEdilecekBölümYok);
        return false;
    }
    auto başlık = pack(wavBaşlığı(örnekSayısı_, 1, örneklemeHızı, 16));
    dosya_.seekp(0);
    dosya_.write(reinterpret_cast<const char*>(başlık.data()), static_cast<std::streamsize>(başlık.size()));
    dosya_.close();
    denetle();
    return true;
}

}  // namespace selvika

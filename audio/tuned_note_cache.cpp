#include "audio/tuned_note_cache.h"

#include <algorithm>

namespace selvika {

AkortluNotaDeposu::AkortluNotaDeposu(std::filesystem::path dosya) : dosya_(std::move(dosya)) {}

AkortluNotaDeposu::~AkortluNotaDeposu() {
    kapat();
    std::error_code yoksay;
    std::filesystem::remove(dosya_, yoksay);
}

bool AkortluNotaDeposu::aç() {
    kapat();
    std::ofstream(dosya_, std::ios::binary | std::ios::app).close();
    akış_.open(dosya_, std::ios::binary | std::ios::in | std::ios::out);
    std::error_code hata;
    const auto boy = std::filesystem::file_size(dosya_, hata);
    sonrakiBoş_ = static_cast<Long>(hata ? 0 : boy) + 1;
    return akış_.is_open() && !hata;
}

void AkortluNotaDeposu::kapat() {
    if (akış_.is_open()) akış_.close();
}

void AkortluNotaDeposu::yaz(int kÜssü, int kayma, int saz, const ÖrnekTamponu& nota) {
    akış_.seekp(sonrakiBoş_ - 1);
    örnekYaz(akış_, nota);
    akış_.flush();
    const auto uzunluk = static_cast<Long>((static_cast<Long>(nota.size()) - 1) * 2);
    tablo_[kÜssü][kayma][saz] = {sonrakiBoş_, uzunluk};
    sonrakiBoş_ += uzunluk;
}

ÖrnekTamponu AkortluNotaDeposu::oku(int kÜssü, int kayma, int saz) const {
    const NotaYeri yer = yeri(kÜssü, kayma, saz);
    const auto sayı = static_cast<std::size_t>(yer.uzunluk / 2);
    std::ifstream okuma(dosya_, std::ios::binary);
    okuma.seekg(yer.konum - 1);
    ÖrnekTamponu nota = örnekOku(okuma, sayı);
    if (nota.size() != sayı) return {};
    return nota;
}

}  // namespace selvika

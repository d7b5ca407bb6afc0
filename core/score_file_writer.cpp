#include "core/packing.h"
#include "core/record_sizes.h"
#include "core/score_file.h"

namespace selvika {
namespace {

constexpr Long ifadeMaskesi[] = {0, 100, 10, 1};  // by slot

struct Bölümler {
    PackWriter elemanlar, güfteler, ifadeler;
    Long elemanSayacı = 0, güfteSayacı = 0, ifadeSayacı = 0;
};

void güfteleriYaz(Satır& satır, SatırDizini& dizin, Bölümler& b) {
    for (int k = 1; k <= 4; ++k) {
        Text<100>& güfte = satır.güfteSatırları[k];
        güfte = Text<100>::fromCodePageBytes(güfte.trimmedCodePage());
        auto metin = güfte.trimmedCodePage();
        dizin.güfteler[k].uzunluk = static_cast<Long>(metin.size());
        if (metin.empty()) continue;
        dizin.güfteler[k].başlangıç = b.güfteSayacı;
        b.güfteler.writeBytes({reinterpret_cast<const std::uint8_t*>(metin.data()), metin.size()});
        b.güfteSayacı += static_cast<Long>(metin.size());
    }
}

void ifadeleriYaz(const Satır& satır, SatırDizini& dizin, Bölümler& b) {
    dizin.ifadeMaskesi = 0;
    for (int slot = 1; slot <= 3; ++slot)
        if (satır.ifadeler[slot].kullanımda()) dizin.ifadeMaskesi += ifadeMaskesi[slot];
    if (dizin.ifadeMaskesi == 0) return;
    dizin.ifadeBaşlangıcı = b.ifadeSayacı;
    for (int slot = 1; slot <= 3; ++slot) {
        if (!satır.ifadeler[slot].kullanımda()) continue;
        b.ifadeler.write(satır.ifadeler[slot]);
        ++b.ifadeSayacı;
    }
}

// An empty line contributes nothing; its other index fields keep the values
// they held.
void satırıYaz(Satır& satır, SatırDizini& dizin, Bölümler& b) {
    int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    dizin.elemanAdedi = adet;
    if (adet >= 1) {
        dizin.elemanBaşlangıcı = b.elemanSayacı;
        for (int j = 1; j <= adet; ++j) b.elemanlar.write(satır.elemanlar[j]);
        b.elemanSayacı += adet;
        güfteleriYaz(satır, dizin, b);
        ifadeleriYaz(satır, dizin, b);
    }
    dizin.heceKayması = satır.heceKayması;
    dizin.elemanSayısı = satır.elemanSayısı;
    dizin.ayar4 = satır.ayar4;
    dizin.ayar1 = satır.ayar1;
    dizin.ayar3 = satır.ayar3;
    dizin.ayar2 = satır.ayar2;
    dizin.satırSonu = satır.satırSonu;
}

}  // namespace

std::vector<std::uint8_t> eserDosyası(Eser& eser) {
    Bölümler b;
    for (int n = 1; n <= satırSayısı; ++n) satırıYaz(eser.satırlar[n], eser.dizin[n], b);

    PackWriter dosya;
    dosya.write(eser.sürüm);
    dosya.write(eser.başlık);
    dosya.write(eser.dizin);
    for (const PackWriter* bölüm : {&b.elemanlar, &b.güfteler, &b.ifadeler}) dosya.writeBytes(bölüm->bytes());
    return dosya.take();
}

void eserKaydet(Eser& eser, const std::filesystem::path& yol) {
    replaceFile(yol, eserDosyası(eser));
}

}  // namespace selvika

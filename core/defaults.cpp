#include "core/defaults.h"

namespace selvika {
namespace {

constexpr const char* varsayılanYüz = "MS Sans Serif";

YazıTipi yazıTipi(Integer boy, bool kalın) {
    YazıTipi y;
    y.yüz = Text<40>(varsayılanYüz);
    y.boy = boy;
    y.kalın = kalın;
    return y;
}

Sayfa sayfaVarsayılanı(int sayfa) {
    Sayfa s;
    s.seviye = 80;
    s.ilkSatır = static_cast<Byte>((sayfa - 1) * 10 + 1);
    for (int başlık = 1; başlık <= 9; ++başlık)
        s.başlıkKonumları[başlık].y = static_cast<Integer>(30 + 20 * ((başlık - 1) % 3));
    s.yoğunluk = 90;
    return s;
}

}  // namespace

void satıratamaları(Satır& satır) {
    satır = Satır{};
    satır.adresAyarı = 3;
    satır.ayar1 = 40;
    satır.ayar3 = 40;
    satır.ayar2 = 800;
    satır.satırSonu = satırSonuTürü::yalın;
    satır.heceKayması = 60;
    for (İfade& ifade : satır.ifadeler) ifade.yazıTipi = yazıTipi(18, true);
}

Pasaj satırPasajıVarsayılanı() {
    Pasaj p;
    p.ad = Text<16>("Satır");
    p.solist = Text<5>("KANUN");
    for (auto& eşlik : p.eşlikler) eşlik = Text<5>("SZYOK");
    p.ritim = Text<5>("RTYOK");
    p.birimNota = 4;
    p.girişMetronomu = p.çıkışMetronomu = 80;
    p.göçürümler[0] = 22;
    p.kanallar = 1;
    return p;
}

void eseratamaları(Eser& eser, const TercihKaydı& tercihler) {
    eser.sürüm = programSürümü;
    EserBaşlık& b = eser.başlık;
    b = EserBaşlık{};
    for (int p = 1; p <= sayfaSayısı; ++p) b.sayfalar[p] = sayfaVarsayılanı(p);
    for (int t = 1; t <= 9; ++t) b.başlıklar[t].yazıTipi = yazıTipi(t <= 3 ? 24 : 18, t == 1);
    for (int g = 1; g <= 6; ++g) {
        b.güfteBlokları[g].sayfa = 1;
        b.güfteYerleri[g] = {.x = static_cast<Integer>(20 * g), .y = sayfaYüksekliği - 30};
    }
    constexpr Integer yazıBoyları[] = {30, 24, 14, 14, 16, 16};
    for (int y = 1; y <= 6; ++y) b.yazıTipleri[y] = yazıTipi(yazıBoyları[y - 1], y == 6);
    b.ayrılmışBlok[0] = 4;
    b.ayrılmışBlok[1] = 10;
    b.satırPasajı = satırPasajıVarsayılanı();
    tercihleriBaşlığaKoy(tercihler, b);
}

EserPtr yeniEser(const TercihKaydı& tercihler) {
    auto eser = std::make_unique<Eser>();
    eseratamaları(*eser, tercihler);
    for (Satır& satır : eser->satırlar) satıratamaları(satır);
    return eser;
}

}  // namespace selvika

#include "render/drawing_preferences.h"

#include <algorithm>

namespace selvika {

double liezonKatı(Byte kalınlık) { return std::clamp<int>(kalınlık, 1, 3) / 2.0; }

ÇizgiStili çizgiStili(Byte seçim) {
    return seçim < çizgiStiliSayısı ? static_cast<ÇizgiStili>(seçim) : ÇizgiStili::düz;
}

ÇizimTercihleri çizimTercihleri(const EserBaşlık& b, const PorteÖlçeği& ö) {
    const bool ekranda = ö.satırAralığı == editörÖlçeği.satırAralığı;
    return {
        .liezonKatı = liezonKatı(ekranda ? b.ayarlar.liezonKalınlığı2 : b.ayarlar.liezonKalınlığı1),
        .trioleParantezi = bool(b.bayraklar.trioleGörünümü),
        .dolap = çizgiStili(b.görünümSeçimleri.a),
        .saz = çizgiStili(b.görünümSeçimleri.b),
        .heceDevam = çizgiStili(b.görünümSeçimleri.c),
        .güfteYeri = b.bayraklar.güfteYeri == Byte(HeceYeri::solda) ? HeceYeri::solda : HeceYeri::ortada,
    };
}

}  // namespace selvika

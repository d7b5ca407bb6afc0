#include "lyrics/lyric_blocks.h"

#include <algorithm>

#include "core/code_page.h"
#include "core/trimmed_text.h"

namespace selvika {
namespace {

// The stored text counts one character a byte, as the code page holds it.
int harfSayısı(std::string_view metin) { return static_cast<int>(toCodePage(metin).size()); }

}  // namespace

std::string güfteBaşlığı(int n) { return std::to_string(n) + " numaralı  güfte"; }

std::string yazılanHarfSayısı(std::string_view metin) {
    return "yazılan harf sayısı:  " + std::to_string(harfSayısı(metin));
}

std::string kalanBoşlukSayısı(std::string_view metin) {
    return "kalan boşluk sayısı:  " + std::to_string(güfteUzunluğu - harfSayısı(metin));
}

void güfteyiKaydet(EserBaşlık& başlık, int n, std::string_view metin, int sayfa) {
    if (n < 1 || n > güfteBloğuSayısı) return;
    GüfteBloğu& blok = başlık.güfteBlokları[n];
    blok.metin = kırpılmışMetin<güfteUzunluğu>(metin);
    blok.sayfa = static_cast<Byte>(std::clamp(sayfa, 1, sayfaSayısı));
}

}  // namespace selvika

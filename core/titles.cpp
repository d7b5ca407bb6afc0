#include "core/titles.h"

#include <algorithm>

#include "core/defaults.h"
#include "core/trimmed_text.h"

namespace selvika {
namespace {

constexpr const char* adlar[başlıkSayısı] = {
    "Eser adı", "Form",  "Açıklama",  // centred
    "Makam",    "Usul",  "Tempo",     // left
    "Beste",    "Güfte", "Notaya alan",  // right
};

bool geçerli(int t) { return t >= 1 && t <= başlıkSayısı; }

}  // namespace

const char* başlıkAdı(int başlık) { return geçerli(başlık) ? adlar[başlık - 1] : ""; }

void başlığıYaz(EserBaşlık& başlık, int t, std::string_view metin) {
    if (geçerli(t)) başlık.başlıklar[t].metin = kırpılmışMetin<başlıkUzunluğu>(metin);
}

void başlıkYüksekliğiniYaz(EserBaşlık& başlık, int sayfa, int t, int y) {
    if (!geçerli(t) || sayfa < 1 || sayfa > sayfaSayısı) return;
    başlık.sayfalar[sayfa].başlıkKonumları[t].y = static_cast<Integer>(std::clamp<int>(y, 0, sayfaYüksekliği));
}

}  // namespace selvika

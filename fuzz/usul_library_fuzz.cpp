// The usul library usuller.usl: the pattern list, every pattern, and the
// first pattern played as a rhythm track.

#include <fstream>

#include "audio/instruments.h"
#include "audio/passage_list.h"
#include "audio/rhythm_track.h"
#include "core/packing.h"
#include "core/silent_interaction.h"
#include "fuzz/harness.h"
#include "rhythm/usul_library.h"

namespace selvika::fuzz {

std::vector<Baytlar> tohumlar() {
    UsulKaydı düyek;
    düyek.pay = 8;
    düyek.payda = 8;
    düyek.ad = Text<40>("Düyek");
    const UsulAdımı desen[] = {{8, 0, 0}, {0, 16, 1}, {8, 0, 2}, {0, 16, 3}};
    for (int i = 0; i < 4; ++i) düyek.adımlar[i + 1] = desen[i];
    Baytlar iki = pack(düyek);
    const Baytlar ikinci = pack(UsulKaydı{});
    iki.insert(iki.end(), ikinci.begin(), ikinci.end());
    return {pack(düyek), iki};
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    using namespace selvika;
    const auto klasör = fuzz::dosyaOlarak(usulDosyasıAdı, {veri, boy}).parent_path();
    const auto kütüphane = UsulKütüphanesi::aç(klasör);
    if (!kütüphane) return 0;
    kütüphane->desenListesi();
    for (int no = 1; no <= usulKayıtSayısı; ++no) desenAdımları(kütüphane->kayıt(no));

    std::ofstream ritim(klasör / ritimDosyasıAdı, std::ios::binary);
    örnekYaz(ritim, std::vector<Integer>(1000, 1000));  // far shorter than the strokes it should hold
    ritim.close();
    Pasaj pasaj = varsayılanPasaj("Usul");
    pasaj.ritim = Text<5>("KUDUM");
    pasaj.usulNumarası = 1;
    EksikDosyaUyarıları uyarılar;
    SessizEtkileşim sessiz;
    ritimİzi(klasör, pasaj, Tempo{10, 10, 64}, uyarılar, sessiz);
    return 0;
}

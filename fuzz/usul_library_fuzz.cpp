// The usul library usuller.usl: the pattern list and every pattern.

#include "core/packing.h"
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
    const auto kütüphane = UsulKütüphanesi::aç(fuzz::dosyaOlarak(usulDosyasıAdı, {veri, boy}).parent_path());
    if (!kütüphane) return 0;
    kütüphane->desenListesi();
    for (int no = 1; no <= usulKayıtSayısı; ++no) desenAdımları(kütüphane->kayıt(no));
    return 0;
}

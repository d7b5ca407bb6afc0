#include "audio/rhythm_track.h"

#include <algorithm>

#include "core/file_io.h"
#include "core/packing.h"

namespace selvika {
namespace {

constexpr std::array<Long, 4> vuruşUzunlukları{9217, 18433, 36867, 73733};

// How long a step lasts, in units (a sixty-fourth is two).
long adımBirimi(const UsulAdımı& a) { return 2L * (a.ikinciUzunluk != 0 ? a.ikinciUzunluk : a.birinciUzunluk); }

std::optional<VuruşKaydı> ritimKaydıOku(const std::filesystem::path& klasör) {
    auto yol = klasör / ritimDosyasıAdı;
    if (!std::filesystem::is_regular_file(yol)) return std::nullopt;
    auto baytlar = readFile(yol, std::filesystem::file_size(yol));
    PackReader okuyucu(baytlar);
    return VuruşKaydı(okuyucu.readRecords<Integer>(baytlar.size() / 2), ritimVuruşları());
}

// Shows `metin` the first time only.
void birKezSöyle(bool& söylendi, std::string_view metin, Etkileşim& etkileşim) {
    if (!söylendi) etkileşim.mesaj(metin);
    söylendi = true;
}

}  // namespace

std::optional<int> ritimSazı(std::string_view kod) {
    if (kod == "TEFOO") return 1;
    if (kod == "BENDR") return 2;
    if (kod == "KUDUM") return 3;
    return std::nullopt;
}

VuruşTablosu ritimVuruşları() {
    VuruşTablosu tablo;
    Long konum = 1;
    for (int saz = 1; saz <= 3; ++saz)
        for (int takım = 1; takım <= 2; ++takım)
            for (int ses = 0; ses < 4; ++ses) {
                tablo(takım, ses, saz) = {konum, vuruşUzunlukları[ses]};
                konum += 2 * vuruşUzunlukları[ses];
            }
    return tablo;
}

std::span<const Integer> VuruşKaydı::vuruş(int takım, int ses, int saz) const {
    if (ses < 0 || ses > 3) return {};
    const VuruşYeri& yer = tablo_(takım, ses, saz);
    std::span<const Integer> hepsi = örnekler_;
    auto baş = std::min(hepsi.size(), static_cast<std::size_t>((yer.konum - 1) / 2));
    return hepsi.subspan(baş).first(std::min(hepsi.size() - baş, static_cast<std::size_t>(yer.uzunluk)));
}

std::vector<UsulAdımı> vuruşDizisi(std::span<const UsulAdımı> desen, long toplamBirim) {
    std::vector<UsulAdımı> dizi;
    long birim = 0;
    bool sesVar = std::ranges::any_of(desen, [](const UsulAdımı& a) { return adımBirimi(a) != 0; });
    while (sesVar && birim < toplamBirim)
        for (const UsulAdımı& adım : desen) {
            if (adımBirimi(adım) == 0) continue;
            dizi.push_back(adım);
            birim += adımBirimi(adım);
            if (birim >= toplamBirim) break;
        }
    return dizi;
}

void vuruşlarıÇal(std::span<Integer> tampon, std::span<const UsulAdımı> dizi, const Tempo& tempo,
                  const VuruşKaydı& kayıt, int saz) {
    long u = 0;
    long t = 1;
    for (const UsulAdımı& adım : dizi) {
        if (adım.birinciUzunluk != 0)
            yarıyaKat(tampon, t, kayıt.vuruş(1, adım.vuruşSesi, saz),
                      static_cast<long>(adım.birinciUzunluk * double{tempo.giriş}));
        if (adım.ikinciUzunluk != 0)
            yarıyaKat(tampon, t, kayıt.vuruş(2, adım.vuruşSesi, saz),
                      static_cast<long>(adım.ikinciUzunluk * double{tempo.giriş}));
        u += adımBirimi(adım);
        t = tempo.notaBaşı(u);
    }
}

std::optional<std::vector<Integer>> ritimİzi(const std::filesystem::path& klasör, const Pasaj& pasaj,
                                            const Tempo& tempo, EksikDosyaUyarıları& uyarılar,
                                            Etkileşim& etkileşim) {
    auto saz = ritimSazı(pasaj.ritim.trimmed());
    if (!saz) return std::nullopt;
    if (pasaj.usulNumarası == 0) {
        etkileşim.mesaj(usulNumarasıVerilmemiş);
        return std::nullopt;
    }
    auto kayıt = ritimKaydıOku(klasör);
    if (!kayıt) {
        birKezSöyle(uyarılar.ritim, ritimDosyasıBulunamadı, etkileşim);
        return std::nullopt;
    }
    auto kütüphane = UsulKütüphanesi::aç(klasör);
    if (!kütüphane) {
        birKezSöyle(uyarılar.usul, usulDosyasıBulunamadıModül, etkileşim);
        return std::nullopt;
    }
    auto desen = desenAdımları(kütüphane->kayıt(pasaj.usulNumarası));
    std::vector<Integer> tampon(static_cast<std::size_t>(tempo.uzunluk()), 0);
    vuruşlarıÇal(tampon, vuruşDizisi(desen, tempo.birimSayısı), tempo, *kayıt, *saz);
    return tampon;
}

}  // namespace selvika

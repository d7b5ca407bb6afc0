#include <algorithm>

#include "core/defaults.h"
#include "core/packing.h"
#include "core/record_sizes.h"
#include "core/score_file.h"

namespace selvika {
namespace {

// The largest file a score can make; anything past it is not the score's.
constexpr std::size_t enBüyükDosya =
    elemanBölümü + satırSayısı * (sonElemanYuvası * packedSizeOf<Eleman> + 4 * 100 + 3 * packedSizeOf<İfade>);

// Expression slots in use, in slot order, for each mask the file can hold.
std::vector<int> maskedekiSlotlar(Long maske) {
    switch (maske) {
        case 100: return {1};
        case 10: return {2};
        case 1: return {3};
        case 110: return {1, 2};
        case 101: return {1, 3};
        case 11: return {2, 3};
        case 111: return {1, 2, 3};
        default: return {};
    }
}

// The file's sections after the index, as far as the bytes go.
struct Bölümler {
    long N = 0, T = 0, E = 0;  // what the index promises
    std::vector<Eleman> elemanlar;
    std::span<const std::uint8_t> güfteler;
    std::vector<İfade> ifadeler;
};

class Okuma {
public:
    Okuma(std::span<const std::uint8_t> dosya, AçılanEser& sonuç)
        : okuyucu_(dosya), eser_(*sonuç.eser), rapor_(sonuç.rapor) {}

    void oku() {
        const bool sürümlü = okuyucu_.read(eser_.sürüm);
        başlığıOku();
        std::vector<bool> dizinli(satırSayısı + 1, false);
        for (int n = 1; n <= satırSayısı; ++n)
            if (!(dizinli[n] = okuyucu_.read(eser_.dizin[n]))) rapor_.dizinsizSatırlar.insert(n);
        if (sürümlü && eserOlamaz(dizinli)) throw EserDeğilHatası();
        if (eser_.sürüm > programSürümü) throw YeniSürümHatası(eser_.sürüm);
        bölümleriOku(dizinli);
        for (int n = 1; n <= satırSayısı; ++n)
            if (dizinli[n]) satırıKur(n);
        rapor_.fazlaBayt = okuyucu_.remaining();
    }

private:
    // A record no save writes: the program keeps counts and lengths within
    // their slots even for lines it leaves empty.
    bool olanaksız(const SatırDizini& d) const {
        if (d.elemanAdedi < 0 || d.elemanAdedi > sonElemanYuvası) return true;
        if (d.ifadeMaskesi != 0 && maskedekiSlotlar(d.ifadeMaskesi).empty()) return true;
        return std::ranges::any_of(d.güfteler, [](const GüfteYeri& g) { return g.uzunluk < 0 || g.uzunluk > 100; });
    }

    // Versions are positive; a newer one still has a whole index, and a damaged
    // score keeps most of its index sound. Anything else is some other file.
    bool eserOlamaz(const std::vector<bool>& dizinli) const {
        if (eser_.sürüm < 0) return true;
        if (std::count(dizinli.begin() + 1, dizinli.end(), false) > 0) return eser_.sürüm > programSürümü;
        int olanaksızlar = 0;
        for (int n = 1; n <= satırSayısı; ++n) olanaksızlar += olanaksız(eser_.dizin[n]);
        return olanaksızlar > satırSayısı / 2;
    }

    void başlığıOku() {
        EserBaşlık& b = eser_.başlık;
        if (!okuyucu_.read(b)) {
            rapor_.başlıkEksik = true;
            return;
        }
        if (b.satırPasajı.ad != Text<16>("Satır")) b.satırPasajı = satırPasajıVarsayılanı();
        if (b.ayarlar.liezonKalınlığı1 == 0) b.ayarlar.liezonKalınlığı1 = 2;
        if (b.ayarlar.liezonKalınlığı2 == 0) b.ayarlar.liezonKalınlığı2 = 2;
    }

    // The line's element count within the slots a line has.
    int elemanAdedi(int n) {
        Long adet = eser_.dizin[n].elemanAdedi;
        if (adet < 0 || adet > sonElemanYuvası) rapor_.tutarsızSatırlar.insert(n);
        return std::clamp<Long>(adet, 0, sonElemanYuvası);
    }

    Long güfteUzunluğu(int n, int k) {
        Long uzunluk = eser_.dizin[n].güfteler[k].uzunluk;
        if (uzunluk > 100) rapor_.tutarsızSatırlar.insert(n);
        return std::clamp<Long>(uzunluk, 0, 100);
    }

    void bölümleriOku(const std::vector<bool>& dizinli) {
        for (int n = 1; n <= satırSayısı; ++n) {
            if (!dizinli[n] || elemanAdedi(n) < 1) continue;
            b_.N += elemanAdedi(n);
            for (int k = 1; k <= 4; ++k) b_.T += güfteUzunluğu(n, k);
            Long maske = eser_.dizin[n].ifadeMaskesi;
            if (maske != 0 && maskedekiSlotlar(maske).empty()) rapor_.tutarsızSatırlar.insert(n);
            b_.E += static_cast<long>(maskedekiSlotlar(maske).size());
        }
        b_.elemanlar = okuyucu_.readRecords<Eleman>(static_cast<std::size_t>(b_.N));
        b_.güfteler = okuyucu_.readBytes(static_cast<std::size_t>(b_.T));
        b_.ifadeler = okuyucu_.readRecords<İfade>(static_cast<std::size_t>(b_.E));
    }

    void satırıKur(int n) {
        Satır& s = eser_.satırlar[n];
        const SatırDizini& d = eser_.dizin[n];
        s.heceKayması = d.heceKayması;
        s.ayar4 = d.ayar4;
        s.ayar1 = d.ayar1;
        s.ayar3 = d.ayar3;
        s.ayar2 = d.ayar2;
        s.satırSonu = d.satırSonu;
        int adet = elemanAdedi(n);
        if (adet != d.elemanSayısı) rapor_.tutarsızSatırlar.insert(n);
        s.elemanSayısı = static_cast<Byte>(adet);
        if (adet < 1) return;
        elemanlarıKur(n, adet);
        güfteleriKur(n);
        ifadeleriKur(n);
    }

    void elemanlarıKur(int n, int adet) {
        for (int j = 1; j <= adet; ++j) {
            long k = long{eser_.dizin[n].elemanBaşlangıcı} + j;  // counted from 1
            if (k < 1 || k > b_.N) rapor_.tutarsızSatırlar.insert(n);
            if (k >= 1 && k <= static_cast<long>(b_.elemanlar.size()))
                eser_.satırlar[n].elemanlar[j] = b_.elemanlar[static_cast<std::size_t>(k - 1)];
            else
                rapor_.elemanlar.ekle(n, 1);
        }
    }

    void güfteleriKur(int n) {
        for (int k = 1; k <= 4; ++k) {
            long uzunluk = güfteUzunluğu(n, k);
            if (uzunluk < 1) continue;
            long başlangıç = eser_.dizin[n].güfteler[k].başlangıç;
            if (başlangıç < 0 || başlangıç + uzunluk > b_.T) rapor_.tutarsızSatırlar.insert(n);
            long var = std::clamp<long>(static_cast<long>(b_.güfteler.size()) - başlangıç, 0, uzunluk);
            if (başlangıç < 0) var = 0;
            auto metin = b_.güfteler.subspan(static_cast<std::size_t>(std::max(başlangıç, 0L)),
                                             static_cast<std::size_t>(var));
            eser_.satırlar[n].güfteSatırları[k] = Text<100>::fromCodePageBytes(
                {reinterpret_cast<const char*>(metin.data()), metin.size()});
            rapor_.güfteHarfleri.ekle(n, uzunluk - var);
        }
    }

    void ifadeleriKur(int n) {
        auto slotlar = maskedekiSlotlar(eser_.dizin[n].ifadeMaskesi);
        for (std::size_t i = 0; i < slotlar.size(); ++i) {
            long k = long{eser_.dizin[n].ifadeBaşlangıcı} + static_cast<long>(i);  // counted from 0
            if (k < 0 || k >= b_.E) rapor_.tutarsızSatırlar.insert(n);
            if (k >= 0 && k < static_cast<long>(b_.ifadeler.size()))
                eser_.satırlar[n].ifadeler[slotlar[i]] = b_.ifadeler[static_cast<std::size_t>(k)];
            else
                rapor_.ifadeler.ekle(n, 1);
        }
    }

    PackReader okuyucu_;
    Eser& eser_;
    OkumaRaporu& rapor_;
    Bölümler b_;
};

}  // namespace

YeniSürümHatası::YeniSürümHatası(Integer sürüm)
    : DosyaHatası("açmak istediğiniz eser SELVİKA'in daha yeni bir sürümü ile yazılmış. "
                  "Proğramınızı güncellemeniz gerekir.\n"
                  "Güncel sürümü Selvika'yı edindiğiniz yerden alabilirsiniz."),
      sürüm(sürüm) {}

EserDeğilHatası::EserDeğilHatası() : DosyaHatası(eserDeğil) {}

AçılanEser eserÇöz(std::span<const std::uint8_t> dosya) {
    AçılanEser sonuç{yeniEser(varsayılanTercihler()), {}};
    Okuma(dosya, sonuç).oku();
    return sonuç;
}

AçılanEser eserOku(const std::filesystem::path& yol) {
    auto dosya = readFile(yol, enBüyükDosya);
    AçılanEser sonuç = eserÇöz(dosya);
    std::error_code ec;
    auto boy = std::filesystem::file_size(yol, ec);
    if (!ec && boy > dosya.size()) sonuç.rapor.fazlaBayt += boy - dosya.size();
    return sonuç;
}

}  // namespace selvika

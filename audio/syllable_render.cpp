#include "audio/syllable_render.h"

#include <fstream>

#include "audio/instruments.h"
#include "audio/performance_render.h"
#include "audio/sample_rate.h"
#include "audio/wav_file.h"
#include "core/file_io.h"

namespace selvika {
namespace {

constexpr long solfejBirimi = 700;  // samples a unit of 1/128, whatever the metronome
constexpr int susKonumu = 31;

// The samples written so far, which later snippets overwrite where they
// reach back over earlier ones.
class HeceYazıcı {
public:
    HeceYazıcı(std::ifstream& kayıt) : kayıt_(kayıt) {}

    void yaz(HeceYeri yer, long konum) {
        kayıt_.clear();
        kayıt_.seekg(yer.başlangıç * 2);
        const ÖrnekTamponu hece = örnekOku(kayıt_, static_cast<std::size_t>(yer.uzunluk));
        const auto baş = static_cast<std::size_t>(konum);
        if (örnekler_.size() < baş + hece.size()) örnekler_.resize(baş + hece.size());
        std::copy(hece.begin(), hece.end(), örnekler_.begin() + static_cast<std::ptrdiff_t>(baş));
    }
    const ÖrnekTamponu& örnekler() const { return örnekler_; }

private:
    std::ifstream& kayıt_;
    ÖrnekTamponu örnekler_;
};

long solfejNotası(HeceYazıcı& yazıcı, const NotaKaydı& n, long konum) {
    if (n.tür != susKonumu) yazıcı.yaz(solfejHecesi(n.tür), konum);
    return konum + n.süre * solfejBirimi;
}

long bonaNotası(HeceYazıcı& yazıcı, const NotaKaydı& n, long konum) {
    if (n.tür > 29) return konum;
    yazıcı.yaz(notaAdı(notaAdıNumarası(n.tür)), konum);
    konum += 15000;
    if (n.arıza == 15) {
        yazıcı.yaz(onBeşSözü(), konum);
        return konum + 40000;
    }
    const int koma = std::abs(n.arıza);
    if (koma < 1 || koma > 14) return konum + 10000;
    yazıcı.yaz(n.arıza > 0 ? artıArızaSözü() : eksiArızaSözü(), konum);
    yazıcı.yaz(komaSayısıSözü(koma), konum + 30000);
    return konum + 30000 + 45000;
}

}  // namespace

std::filesystem::path heceDosyası(const std::filesystem::path& klasör, HeceKipi kip) {
    return klasör / (kip == HeceKipi::solfej ? "SOLFEJ.pcm" : "BONA.pcm");
}

HeceYeri solfejHecesi(int perdeKonumu) { return {(perdeKonumu - 1) * 200000L, 27002}; }
HeceYeri notaAdı(int ad) { return {(ad - 1) * 20000L, 20002}; }
HeceYeri artıArızaSözü() { return {140000, 40002}; }
HeceYeri eksiArızaSözü() { return {180000, 40002}; }
HeceYeri komaSayısıSözü(int koma) { return {220000 + (koma - 1) * 40000L, 40002}; }
HeceYeri onBeşSözü() { return {540000, 40002}; }

std::optional<double> heceleriSeslendir(HeceKipi kip, const EserBaşlık& başlık, const Notalar& notalar,
                                        std::span<const int> seçili, const std::filesystem::path& klasör,
                                        const std::filesystem::path& çıktı, Etkileşim& etkileşim) {
    std::ifstream kayıt(heceDosyası(klasör, kip), std::ios::binary);
    if (!kayıt) {
        etkileşim.mesaj(kip == HeceKipi::solfej ? solfejDosyasıYok : bonaDosyasıYok);
        return std::nullopt;
    }
    if (seçili.empty()) {
        etkileşim.mesaj(pasajSeçilmemiş);
        return std::nullopt;
    }
    HeceYazıcı yazıcı(kayıt);
    long konum = 0;
    for (int numara : seçili) {
        const Pasaj& p = başlık.pasajlar[numara];
        if (p.bitişİndeksi > notalar.sayı()) etkileşim.mesaj(std::to_string(numara) + std::string(pasajKısaltıldı));
        for (int i = std::max<int>(1, p.başlangıçİndeksi); i <= std::min<int>(p.bitişİndeksi, notalar.sayı()); ++i) {
            const NotaKaydı& n = notalar[i];
            if (n.tür == 0 || n.tür >= 32) continue;
            konum = kip == HeceKipi::solfej ? solfejNotası(yazıcı, n, konum) : bonaNotası(yazıcı, n, konum);
        }
    }
    try {
        WavÇıktısı wav(çıktı);
        wav.ekle(yazıcı.örnekler());
        if (!wav.bitir(etkileşim)) return std::nullopt;
        return wav.bitişZamanları().back();
    } catch (const DosyaHatası&) {
        etkileşim.mesaj(seslendirmeYazılamadı);
        return std::nullopt;
    }
}

}  // namespace selvika

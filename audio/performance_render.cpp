#include "audio/performance_render.h"

#include <algorithm>
#include <array>
#include <string>
#include <tuple>

#include "audio/mixing.h"
#include "audio/passage_voices.h"
#include "audio/rhythm_track.h"
#include "audio/tempo.h"
#include "audio/tuned_note_map.h"
#include "audio/tuning_line_notes.h"
#include "audio/voice_rendering.h"
#include "audio/wav_file.h"

namespace selvika {
namespace {

// A passage whose tuned notes are made: per voice the instrument that plays
// it and, per record from the passage's start, where each note sounds.
// A voice's notes end at the first one that could not be made.
struct HazırPasaj {
    int numara = 0;
    std::array<int, sesSayısı> sazlar{};
    std::array<std::vector<std::optional<ÇalınanNota>>, sesSayısı> sesler;
};

class SeçimSeslendirici {
public:
    SeçimSeslendirici(EserBaşlık& başlık, Notalar& notalar, İcraOrtamı& ortam)
        : başlık_(başlık), notalar_(notalar), ortam_(ortam),
          yapıcı_(ortam.depo, ortam.çarpanlar, ortam.klasör, ortam.etkileşim) {}

    std::optional<HazırPasaj> hazırla(int numara);
    bool seslendir(const HazırPasaj& hazır, const AkortluNotaHaritası& harita, WavÇıktısı& çıktı);

    // Progress goes by the notes the voices have played of all they will.
    void notalarıSay(std::span<const HazırPasaj> hazırlar);
    void ilerlemeyiBildir(int yüzde);

private:
    void sınırla(int numara);
    bool sesiHazırla(HazırPasaj& hazır, int ses);
    EserBaşlık& başlık_;
    Notalar& notalar_;
    İcraOrtamı& ortam_;
    AkortluNotaYapıcı yapıcı_;
    long toplamNota_ = 0;
    long çalınanNota_ = 0;
    int bildirilen_ = -1;
};

void SeçimSeslendirici::notalarıSay(std::span<const HazırPasaj> hazırlar) {
    for (const HazırPasaj& hazır : hazırlar)
        for (const auto& ses : hazır.sesler)
            toplamNota_ += std::ranges::count_if(ses, [](const auto& nota) { return nota.has_value(); });
}

void SeçimSeslendirici::ilerlemeyiBildir(int yüzde) {
    if (yüzde == bildirilen_) return;
    bildirilen_ = yüzde;
    ortam_.ilerleme(yüzde);
}

void SeçimSeslendirici::sınırla(int numara) {
    Pasaj& p = başlık_.pasajlar[numara];
    if (p.bitişİndeksi <= notalar_.sayı()) return;
    p.bitişİndeksi = static_cast<Integer>(notalar_.sayı());
    ortam_.etkileşim.mesaj(std::to_string(numara) + std::string(pasajKısaltıldı));
}

std::optional<HazırPasaj> SeçimSeslendirici::hazırla(int numara) {
    sınırla(numara);
    HazırPasaj hazır;
    hazır.numara = numara;
    for (int ses = 0; ses < sesSayısı; ++ses)
        if (sesÇalar(başlık_.pasajlar[numara], ses) && !sesiHazırla(hazır, ses)) return std::nullopt;
    return hazır;
}

// False once the stop flag is found raised.
bool SeçimSeslendirici::sesiHazırla(HazırPasaj& hazır, int ses) {
    const Pasaj& p = başlık_.pasajlar[hazır.numara];
    const PasajDeğeri& değer = başlık_.pasajDeğerleri[hazır.numara];
    const int saz = yapıcı_.sazSeç(sesSazı(p, ses).trimmed());
    const Byte kanal = sesKanalı(p, ses);
    auto& notalar = hazır.sesler[static_cast<std::size_t>(ses)];
    hazır.sazlar[static_cast<std::size_t>(ses)] = saz;
    for (int i = p.başlangıçİndeksi; i >= 1 && i <= p.bitişİndeksi; ++i) {
        if (ortam_.durdurma.kalktı()) return false;
        NotaKaydı& kayıt = notalar_[i];
        notalar.emplace_back();
        if (!kayıt.sesli() || !duyar(kanal, kayıt.kanal)) continue;
        const SesliNota nota{{kayıt.sesindeks, kayıt.mikroton}, kayıt.tür, kayıt.seyir, kayıt.satır, kayıt.eleman};
        notalar.back() = yapıcı_.sesliNotaYap(nota, {değer.çeşniPerdesi, değer.cins}, ortam_.cinsler,
                                              p.göçürümler[static_cast<std::size_t>(ses)], saz);
        if (!notalar.back()) break;
        kayıt.çalınanSesler[static_cast<std::size_t>(ses)] = static_cast<Byte>(notalar.back()->kÜssü);
    }
    return true;
}

// False once the stop flag is found raised.
bool SeçimSeslendirici::seslendir(const HazırPasaj& hazır, const AkortluNotaHaritası& harita, WavÇıktısı& çıktı) {
    const Pasaj& p = başlık_.pasajlar[hazır.numara];
    const Tempo tempo = pasajTemposu(p, notalar_);
    std::vector<NotaKaydı> kayıtlar;
    for (int i = p.başlangıçİndeksi; i >= 1 && i <= p.bitişİndeksi; ++i) kayıtlar.push_back(notalar_[i]);
    auto akortluNota = [&](int ses, const NotaKaydı& kayıt) -> std::optional<std::span<const Integer>> {
        const auto s = static_cast<std::size_t>(ses);
        const auto sıra = static_cast<std::size_t>(&kayıt - kayıtlar.data());
        if (ortam_.durdurma.kalktı() || sıra >= hazır.sesler[s].size() || !hazır.sesler[s][sıra])
            return std::nullopt;
        ilerlemeyiBildir(static_cast<int>(çalınanNota_++ * 100 / toplamNota_));
        const ÇalınanNota& nota = *hazır.sesler[s][sıra];
        const auto örnekler = harita.nota(nota.kÜssü, nota.ses.kayma, hazır.sazlar[s]);
        return örnekler.empty() ? std::nullopt : std::optional(örnekler);
    };
    PasajSesleri sesler = pasajSesleri(p, kayıtlar, tempo, akortluNota);
    if (ortam_.durdurma.kalktı()) return false;
    const auto ritim = ritimİzi(ortam_.klasör, p, tempo, ortam_.uyarılar, ortam_.etkileşim);
    çıktı.ekle(pasajKarışımı(std::move(sesler), ritim, p, static_cast<std::size_t>(tempo.uzunluk()), ortam_.etkileşim));
    return true;
}

}  // namespace

std::optional<std::vector<double>> seçimiSeslendir(EserBaşlık& başlık, Notalar& notalar, std::span<const int> seçili,
                                                  const std::filesystem::path& çıktı, İcraOrtamı& ortam) {
    if (seçili.empty()) {
        ortam.etkileşim.mesaj(pasajSeçilmemiş);
        return std::nullopt;
    }
    ortam.durdurma.indir();
    SeçimSeslendirici seslendirici(başlık, notalar, ortam);
    if (!ortam.depo.aç()) {
        ortam.etkileşim.mesaj(seslendirmeYazılamadı);
        return std::nullopt;
    }
    std::vector<HazırPasaj> hazırlar;
    for (int numara : seçili) {
        auto hazır = seslendirici.hazırla(numara);
        if (!hazır) {
            ortam.depo.kapat();
            return std::nullopt;
        }
        hazırlar.push_back(std::move(*hazır));
    }
    ortam.depo.kapat();
    try {
        WavÇıktısı wav(çıktı);
        const AkortluNotaHaritası harita(ortam.depo);
        seslendirici.notalarıSay(hazırlar);
        for (const HazırPasaj& hazır : hazırlar)
            if (!seslendirici.seslendir(hazır, harita, wav)) return std::nullopt;
        seslendirici.ilerlemeyiBildir(100);
        if (!wav.bitir(ortam.etkileşim)) return std::nullopt;
        return wav.bitişZamanları();
    } catch (const DosyaHatası&) {
        ortam.etkileşim.mesaj(seslendirmeYazılamadı);
        return std::nullopt;
    }
}

}  // namespace selvika

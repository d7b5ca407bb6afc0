#include "audio/line_render.h"

#include <algorithm>

#include "audio/tempo.h"
#include "audio/tuning_line_notes.h"
#include "audio/voice_rendering.h"
#include "audio/wav_file.h"

namespace selvika {
namespace {

// The line's elements as flat records, and the record playing them as a
// passage over all of them with one voice and no rhythm.
Notalar satırNotaları(const Satır& satır, int satırNo) {
    Notalar notalar;
    for (int e = 1; e <= std::min<int>(satır.elemanSayısı, sonElemanYuvası); ++e)
        notalar.ekle(notaKaydı(satır.elemanlar[e], satırNo, e));
    return notalar;
}

Pasaj tekSesliPasaj(const Pasaj& satırPasajı, const Notalar& notalar) {
    Pasaj p = satırPasajı;
    p.eşlikler.fill(Text<5>("SZYOK"));
    p.ritim = Text<5>("RTYOK");
    p.başlangıçİndeksi = 1;
    p.bitişİndeksi = static_cast<Integer>(notalar.sayı());
    return p;
}

}  // namespace

std::optional<double> satırıSeslendir(const Pasaj& satırPasajı, const Satır& satır, int satırNo,
                                      const std::filesystem::path& çıktı, İcraOrtamı& ortam) {
    AkortluNotaYapıcı yapıcı(ortam.depo, ortam.çarpanlar, ortam.klasör, ortam.etkileşim);
    const auto akort =
        satırınAkortluNotalarınıYap(satır, satırNo, satırPasajı.solist.trimmed(), satırPasajı.göçürümler[0], yapıcı);
    if (!akort) {
        ortam.etkileşim.mesaj(satırAkortuYapılamadı);
        return std::nullopt;
    }
    const Notalar notalar = satırNotaları(satır, satırNo);
    const Pasaj p = tekSesliPasaj(satırPasajı, notalar);
    const Tempo tempo = satırTemposu(p, pasajBirimSayısı(p, notalar));
    auto akortluNota = [&](int, const NotaKaydı& kayıt) -> std::optional<ÖrnekTamponu> {
        ÖrnekTamponu nota = ortam.depo.oku(akort->sesler[kayıt.eleman], kayıt.mikroton, akort->saz);
        return nota.empty() ? std::nullopt : std::optional(std::move(nota));
    };
    PasajSesleri sesler = pasajSesleri(p, notalar, tempo, akortluNota);
    try {
        WavÇıktısı wav(çıktı);
        const auto örnekSayısı = static_cast<std::size_t>(tempo.uzunluk());
        wav.ekle(pasajKarışımı(std::move(sesler), std::nullopt, p, örnekSayısı, ortam.etkileşim));
        if (!wav.bitir(ortam.etkileşim)) return std::nullopt;
        return wav.bitişZamanları().back();
    } catch (const DosyaHatası&) {
        ortam.etkileşim.mesaj(satırYazılamadı);
        return std::nullopt;
    }
}

}  // namespace selvika

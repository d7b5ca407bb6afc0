#include "audio/midi_playing.h"

#include <cmath>

#include "audio/midi_tables.h"
#include "audio/passage_voices.h"

namespace selvika {
namespace {

// Positions above this are not pitches of the score and are passed over.
constexpr int sonSesKonumu = 229;

}  // namespace

Long midiMesajı(int durum, int veri1, int veri2) { return durum + veri1 * 256 + veri2 * 65536; }
Long notaAç(int kanal, int nota) { return midiMesajı(0x90 + kanal, nota, 127); }
Long notaKapat(int kanal, int nota) { return midiMesajı(0x90 + kanal, nota, 0); }
Long perdeBük(int kanal, int değer) { return midiMesajı(0xE0 + kanal, değer % 128, değer / 128); }
Long programDeğiştir(int kanal, int program) { return midiMesajı(0xC0 + kanal, program, 0); }

SesMesajları sesMesajları(const Pasaj& p, const Notalar& notalar, int göçürüm, int kanal,
                          std::optional<Byte> sesKanalı, Bükme bükme) {
    const auto sesi = bükme == Bükme::kesin ? kesinMidiSesi : midiSesi;
    SesMesajları s;
    auto ekle = [&](Long mesaj) { s.mesajlar.push_back({s.birimSayısı, mesaj}); };
    for (int i = std::max<int>(1, p.başlangıçİndeksi); i <= std::min<int>(p.bitişİndeksi, notalar.sayı()); ++i) {
        const NotaKaydı& n = notalar[i];
        if ((n.süre == 0 && n.sesindeks == 0) || n.sesindeks > sonSesKonumu) continue;
        if (sesKanalı && !duyar(*sesKanalı, n.kanal)) continue;
        auto ses = n.sesindeks == 0 ? std::nullopt : sesi(n.sesindeks + göçürüm, n.mikroton);
        const bool bükülü = ses && ses->bükme != bükmeYok;
        if (bükülü) ekle(perdeBük(kanal, ses->bükme));
        if (ses) ekle(notaAç(kanal, ses->nota));
        s.birimSayısı += n.süre;
        if (ses) ekle(notaKapat(kanal, ses->nota));
        if (bükülü) ekle(perdeBük(kanal, bükmeYok));
    }
    return s;
}

int birimMilisaniyesi(const Pasaj& p, int öncekiMilisaniye) {
    if (p.girişMetronomu != p.çıkışMetronomu) return öncekiMilisaniye;
    if (p.girişMetronomu == 0) return ilkBirimMilisaniyesi;
    const auto ms = static_cast<int>(std::lround(60000.0 / p.girişMetronomu / 128.0 * p.birimNota));
    return ms == 0 ? ilkBirimMilisaniyesi : ms;
}

std::vector<MidiOlayı> midiOlayları(const EserBaşlık& başlık, const Notalar& notalar, std::span<const int> seçili) {
    std::vector<MidiOlayı> olaylar;
    long zaman = 0;
    int msBirim = ilkBirimMilisaniyesi;
    for (int n : seçili) {
        const Pasaj& p = başlık.pasajlar[n];
        msBirim = birimMilisaniyesi(p, msBirim);
        const SesMesajları ses = sesMesajları(p, notalar, p.göçürümler[0], 0);
        for (const BirimliMesaj& m : ses.mesajlar) olaylar.push_back({zaman + m.birim * msBirim, m.mesaj});
        zaman += ses.birimSayısı * msBirim;
    }
    return olaylar;
}

}  // namespace selvika

#include "audio/midi_playing.h"

#include <cmath>

#include "audio/midi_tables.h"

namespace selvika {
namespace {

// Positions above this are not pitches of the score and are passed over.
constexpr int sonSesKonumu = 229;

void pasajıÇal(const Pasaj& p, const Notalar& notalar, int msBirim, long& zaman, std::vector<MidiOlayı>& olaylar) {
    for (int i = std::max<int>(1, p.başlangıçİndeksi); i <= std::min<int>(p.bitişİndeksi, notalar.sayı()); ++i) {
        const NotaKaydı& n = notalar[i];
        if (n.süre == 0 && n.sesindeks == 0) continue;
        if (n.sesindeks > sonSesKonumu) continue;
        const long süre = long{n.süre} * msBirim;
        if (n.sesindeks == 0) {
            zaman += süre;
            continue;
        }
        auto ses = midiSesi(n.sesindeks + p.göçürümler[0], n.mikroton);
        if (!ses) continue;
        const bool bükülü = ses->bükme != bükmeYok;
        if (bükülü) olaylar.push_back({zaman, perdeBük(0, ses->bükme)});
        olaylar.push_back({zaman, notaAç(0, ses->nota)});
        zaman += süre;
        olaylar.push_back({zaman, notaKapat(0, ses->nota)});
        if (bükülü) olaylar.push_back({zaman, perdeBük(0, bükmeYok)});
    }
}

}  // namespace

Long midiMesajı(int durum, int veri1, int veri2) { return durum + veri1 * 256 + veri2 * 65536; }
Long notaAç(int kanal, int nota) { return midiMesajı(0x90 + kanal, nota, 127); }
Long notaKapat(int kanal, int nota) { return midiMesajı(0x90 + kanal, nota, 0); }
Long perdeBük(int kanal, int değer) { return midiMesajı(0xE0 + kanal, değer % 128, değer / 128); }
Long programDeğiştir(int kanal, int program) { return midiMesajı(0xC0 + kanal, program, 0); }

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
        pasajıÇal(p, notalar, msBirim, zaman, olaylar);
    }
    return olaylar;
}

}  // namespace selvika

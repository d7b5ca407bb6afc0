#include "audio/midi_file.h"

#include <cmath>
#include <memory>
#include <set>
#include <smf.h>

#include "audio/gm_table.h"
#include "audio/midi_playing.h"
#include "audio/passage_voices.h"
#include "audio/performance_render.h"
#include "audio/rhythm_track.h"
#include "audio/tempo.h"
#include "rhythm/usul_library.h"

namespace selvika {
namespace {

constexpr int tikBirimi = 3;  // ticks a unit of 1/128: 96 a quarter
constexpr int vuruşKanalı = 9;
// SINUS has no recording: the pan flute, the General MIDI sound nearest a pure
// tone that stays in tune (FluidR3's flute strays up to 16 cents).
constexpr int sinüsProgramı = 75;

struct SmfSil {
    void operator()(smf_t* s) const { smf_delete(s); }
};

void ekle(smf_track_t* iz, long birim, std::vector<unsigned char> baytlar) {
    smf_event_t* olay = smf_event_new_from_pointer(baytlar.data(), static_cast<int>(baytlar.size()));
    smf_track_add_event_pulses(iz, olay, static_cast<int>(birim * tikBirimi));
}

void mesajEkle(smf_track_t* iz, long birim, Long mesaj) {
    const auto durum = static_cast<unsigned char>(mesaj & 0xFF);
    std::vector<unsigned char> b = {durum, static_cast<unsigned char>((mesaj >> 8) & 0x7F)};
    if ((durum & 0xF0) != 0xC0) b.push_back(static_cast<unsigned char>((mesaj >> 16) & 0x7F));
    ekle(iz, birim, std::move(b));
}

// RPN 0: the bends of the koma table assume ±2 semitones.
void bükmeAralığı(smf_track_t* iz, int kanal) {
    const auto cc = static_cast<unsigned char>(0xB0 + kanal);
    for (auto [kontrol, değer] : {std::pair{101, 0}, {100, 0}, {6, 2}, {38, 0}, {101, 127}, {100, 127}})
        ekle(iz, 0, {cc, static_cast<unsigned char>(kontrol), static_cast<unsigned char>(değer)});
}

class MidiDosyası {
public:
    MidiDosyası(const std::vector<SazSesi>& sazlar, const std::vector<VuruşSesi>& vuruşlar,
                std::optional<UsulKütüphanesi> usuller)
        : smf_(smf_new()), sazlar_(sazlar), vuruşlar_(vuruşlar), usuller_(std::move(usuller)) {
        [[maybe_unused]] const int geçersiz = smf_set_ppqn(smf_.get(), 32 * tikBirimi);
        tempoİzi_ = yeniİz();
    }

    void pasajEkle(const Pasaj& p, const Notalar& notalar);
    bool kaydet(const std::filesystem::path& hedef) { return smf_save(smf_.get(), hedef.c_str()) == 0; }

private:
    smf_track_t* yeniİz() {
        smf_track_t* iz = smf_track_new();
        smf_add_track(smf_.get(), iz);
        return iz;
    }
    smf_track_t* sesİzi(int ses);
    int program(const Text<5>& kod) const;
    void tempolar(const Tempo& tempo, const std::set<long>& anlar);
    void vuruşlar(const Pasaj& p, long birimSayısı, std::set<long>& anlar);

    std::unique_ptr<smf_t, SmfSil> smf_;
    const std::vector<SazSesi>& sazlar_;
    const std::vector<VuruşSesi>& vuruşlar_;
    std::optional<UsulKütüphanesi> usuller_;
    smf_track_t* tempoİzi_;
    std::array<smf_track_t*, sesSayısı + 1> izler_{};  // the voices, then the strokes
    long baş_ = 0;  // the unit the passage starts at
    long sonTempo_ = 0;
};

smf_track_t* MidiDosyası::sesİzi(int ses) {
    smf_track_t*& iz = izler_[static_cast<std::size_t>(ses)];
    if (!iz) {
        iz = yeniİz();
        if (ses < sesSayısı) bükmeAralığı(iz, ses);
    }
    return iz;
}

int MidiDosyası::program(const Text<5>& kod) const {
    const int saz = sazNumarası(kod.trimmed());
    for (const SazSesi& s : sazlar_)
        if (s.saz == saz) return s.program;
    return sinüsProgramı;
}

void MidiDosyası::pasajEkle(const Pasaj& p, const Notalar& notalar) {
    const Tempo tempo = pasajTemposu(p, notalar);
    std::set<long> anlar = {0, tempo.birimSayısı};
    for (int ses = 0; ses < sesSayısı; ++ses) {
        if (!sesÇalar(p, ses)) continue;
        smf_track_t* iz = sesİzi(ses);
        mesajEkle(iz, baş_, programDeğiştir(ses, program(sesSazı(p, ses))));
        const SesMesajları m = sesMesajları(p, notalar, p.göçürümler[static_cast<std::size_t>(ses)], ses,
                                            sesKanalı(p, ses), Bükme::kesin);
        for (const BirimliMesaj& b : m.mesajlar) {
            mesajEkle(iz, baş_ + b.birim, b.mesaj);
            anlar.insert(b.birim);
        }
    }
    vuruşlar(p, tempo.birimSayısı, anlar);
    tempolar(tempo, anlar);
    baş_ += tempo.birimSayısı;
}

// Each stroke of the pattern sounds for half its step, as the rhythm track plays it.
void MidiDosyası::vuruşlar(const Pasaj& p, long birimSayısı, std::set<long>& anlar) {
    const auto saz = ritimSazı(p.ritim.trimmed());
    if (!saz || p.usulNumarası == 0 || !usuller_) return;
    const auto desen = desenAdımları(usuller_->kayıt(p.usulNumarası));
    auto vur = [&](int takım, int ses, long u, int uzunluk) {
        for (const VuruşSesi& v : vuruşlar_) {
            if (v.ritimSazı != *saz || v.takım != takım || v.ses != ses) continue;
            for (int tuş : v.tuşlar) {
                mesajEkle(sesİzi(sesSayısı), baş_ + u, midiMesajı(0x90 + vuruşKanalı, tuş, v.hız));
                mesajEkle(sesİzi(sesSayısı), baş_ + u + uzunluk, notaKapat(vuruşKanalı, tuş));
            }
        }
        anlar.insert(u);
    };
    long u = 0;
    for (const UsulAdımı& a : vuruşDizisi(desen, birimSayısı)) {
        if (a.birinciUzunluk) vur(1, a.vuruşSesi, u, a.birinciUzunluk);
        if (a.ikinciUzunluk) vur(2, a.vuruşSesi, u, a.ikinciUzunluk);
        u += 2 * (a.ikinciUzunluk ? a.ikinciUzunluk : a.birinciUzunluk);
    }
}

// Between two moments where something sounds, the tempo is the mean of the
// units between them, so every note falls where the rendering puts it.
void MidiDosyası::tempolar(const Tempo& tempo, const std::set<long>& anlar) {
    for (auto a = anlar.begin(); a != anlar.end() && std::next(a) != anlar.end() && *a < tempo.birimSayısı; ++a) {
        const long b = *std::next(a);
        const double birimÖrneği = static_cast<double>(tempo.başlangıç(b) - tempo.başlangıç(*a)) / double(b - *a);
        const auto mikrosaniye = std::lround(birimÖrneği * 32 / örneklemeHızı * 1e6);
        if (mikrosaniye == sonTempo_ || mikrosaniye <= 0) continue;
        sonTempo_ = mikrosaniye;
        ekle(tempoİzi_, baş_ + *a,
             {0xFF, 0x51, 0x03, static_cast<unsigned char>(mikrosaniye >> 16),
              static_cast<unsigned char>(mikrosaniye >> 8), static_cast<unsigned char>(mikrosaniye)});
    }
}

}  // namespace

bool midiDosyasıYaz(const EserBaşlık& başlık, const Notalar& notalar, std::span<const int> seçili,
                    const std::filesystem::path& klasör, const std::filesystem::path& hedef, Etkileşim& etkileşim) {
    if (seçili.empty()) {
        etkileşim.mesaj(pasajSeçilmemiş);
        return false;
    }
    std::vector<SazSesi> sazlar;
    std::vector<VuruşSesi> vuruşlar;
    try {
        sazlar = sazSesleriniOku(klasör / "gm_instruments.tsv");
        vuruşlar = vuruşSesleriniOku(klasör / "gm_drums.tsv");
    } catch (const GMTablosuHatası& h) {
        etkileşim.mesaj(std::string(genelMidiTablolarıOkunamadı) + h.what());
        return false;
    }
    MidiDosyası dosya(sazlar, vuruşlar, UsulKütüphanesi::aç(klasör));
    for (int n : seçili) dosya.pasajEkle(başlık.pasajlar[n], notalar);
    if (dosya.kaydet(hedef)) return true;
    etkileşim.mesaj(std::string(midiDosyasıYazılamadı) + hedef.string());
    return false;
}

}  // namespace selvika

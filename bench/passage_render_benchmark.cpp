// A five-minute passage of four voices with rhythm, rendered again once its
// tuned notes are made; the counter `gerçekZamanKatı` is the seconds of audio
// rendered per second of wall time.

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "audio/instruments.h"
#include "audio/passage_list.h"
#include "audio/performance_render.h"
#include "audio/rhythm_track.h"
#include "audio/sample_rate.h"
#include "core/packing.h"
#include "core/file_io.h"
#include "core/silent_interaction.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

void baytlarıYaz(const fs::path& yol, const std::vector<std::uint8_t>& baytlar) {
    std::ofstream(yol, std::ios::binary).write(reinterpret_cast<const char*>(baytlar.data()),
                                               static_cast<std::streamsize>(baytlar.size()));
}

// A decaying tone of `n` samples standing in for a recording.
ÖrnekTamponu ton(std::size_t n, double frekans) {
    ÖrnekTamponu örnekler(n);
    for (std::size_t i = 0; i < n; ++i)
        örnekler[i] = static_cast<Integer>(20000 * std::exp(-3.0 * static_cast<double>(i) / static_cast<double>(n)) *
                                           std::sin(2 * M_PI * frekans * static_cast<double>(i) / örneklemeHızı));
    return örnekler;
}

// The program folder of the benchmark: a KANUN sample file, RITIM.pcm and
// an usul library of one four-stroke pattern, all synthetic.
void klasörüHazırla(const fs::path& klasör) {
    fs::create_directories(klasör);
    std::ofstream kanun(klasör / "KANUN.pcm", std::ios::binary);
    for (int b = 0; b < kayıtlıPerdeSayısı; ++b)
        örnekYaz(kanun, ton(static_cast<std::size_t>(blokUzunluğu(saz::kanun)), 110.0 * std::pow(2, b / 7.0)));
    std::ofstream ritim(klasör / ritimDosyasıAdı, std::ios::binary);
    örnekYaz(ritim, ton(6 * (9217 + 18433 + 36867 + 73733), 200));
    UsulKaydı usul;
    const UsulAdımı desen[] = {{8, 0, 0}, {0, 4, 1}, {4, 0, 2}, {2, 2, 3}};
    for (std::size_t i = 0; i < std::size(desen); ++i) usul.adımlar[static_cast<int>(i) + 1] = desen[i];
    baytlarıYaz(klasör / usulDosyasıAdı, pack(usul));
}

// 1200 eighths at metronome 120: five minutes. The soloist and the third
// voice are SINUS, the other two KANUN, each voice at its own göçürüm.
constexpr int notaSayısı = 1200;

struct BeşDakikalıkPasaj {
    fs::path klasör = fs::temp_directory_path() / ("selvika-benchmark-" + std::to_string(getpid()));
    SessizEtkileşim kullanıcı;
    AkortluNotaDeposu depo{klasör / "AkortluData.dat"};
    AkortÇarpanları çarpanlar;
    CinsKütüphanesi cinsler = varsayılanCinsler();
    İcraOrtamı ortam{klasör, depo, çarpanlar, cinsler, kullanıcı};
    std::unique_ptr<EserBaşlık> başlık = std::make_unique<EserBaşlık>();
    Notalar notalar;

    BeşDakikalıkPasaj() {
        klasörüHazırla(klasör);
        for (int i = 0; i < notaSayısı; ++i) {
            NotaKaydı k;
            k.tür = 10;
            k.süre = 16;
            k.sesindeks = static_cast<Byte>(80 + (i * 7) % 40);
            notalar.ekle(k);
        }
        Pasaj& p = başlık->pasajlar[1] = varsayılanPasaj("Beş dakika");
        p.başlangıçİndeksi = 1;
        p.bitişİndeksi = notaSayısı;
        p.eşlikler = {Text<5>("KANUN"), Text<5>("SINUS"), Text<5>("KANUN")};
        p.göçürümler = {0, 9, 13, 22};
        p.ritim = Text<5>("KUDUM");
        p.usulNumarası = 1;
        başlık->pasajSayısı = 1;
    }
    ~BeşDakikalıkPasaj() { fs::remove_all(klasör); }

    bool seslendir() {
        const int seçili[] = {1};
        return seçimiSeslendir(*başlık, notalar, seçili, klasör / "eser.wav", ortam).has_value();
    }
};

void PasajSeslendirme(benchmark::State& state) {
    BeşDakikalıkPasaj pasaj;
    if (!pasaj.seslendir() || pasaj.kullanıcı.mesajlar != 0) {
        state.SkipWithError("the passage did not render cleanly");
        return;
    }
    for (auto _ : state)
        if (!pasaj.seslendir()) state.SkipWithError("the passage did not render");
    const double saniye = static_cast<double>(fs::file_size(pasaj.klasör / "eser.wav") - 44) / 2 / örneklemeHızı;
    state.counters["gerçekZamanKatı"] = benchmark::Counter(saniye, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(PasajSeslendirme)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace selvika

BENCHMARK_MAIN();

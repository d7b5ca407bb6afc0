// A full score of 126 lines through the file and the editor's checks: opened,
// every line stored (pitches and durations), the measure check, saved.

#include <benchmark/benchmark.h>

#include "bench/big_score.h"
#include "core/score_file.h"
#include "core/silent_interaction.h"
#include "pitch/sound.h"
#include "rhythm/measure_check.h"
#include "tests/support/score_fixtures.h"

namespace selvika::bench {
namespace {

namespace fs = std::filesystem;

// A folder of the run's own: a save may leave a backup beside the score.
const test::GeçiciKlasör klasör;
const fs::path eserYolu = klasör / "Büyük.EVD";

void satırlarıSakla(Eser& eser, Etkileşim& etkileşim) {
    for (Satır& satır : eser.satırlar)
        if (satır.elemanSayısı > 0) ses(satır, eser.başlık.donanım, etkileşim);
}

void EserAçma(benchmark::State& durum) {
    eserKaydet(*büyükEser(), eserYolu);
    for (auto _ : durum) benchmark::DoNotOptimize(eserOku(eserYolu).eser);
}
BENCHMARK(EserAçma)->Unit(benchmark::kMillisecond);

void SatırlarıSaklama(benchmark::State& durum) {
    const EserPtr eser = büyükEser();
    SessizEtkileşim sessiz;
    for (auto _ : durum) {
        durum.PauseTiming();
        EserPtr kopya = std::make_unique<Eser>(*eser);
        durum.ResumeTiming();
        satırlarıSakla(*kopya, sessiz);
    }
}
BENCHMARK(SatırlarıSaklama)->Unit(benchmark::kMillisecond);

void MezürKontrol(benchmark::State& durum) {
    const EserPtr eser = büyükEser();
    SessizEtkileşim sessiz;
    satırlarıSakla(*eser, sessiz);
    for (auto _ : durum) Mn_mezür_Click(*eser, sessiz);
}
BENCHMARK(MezürKontrol)->Unit(benchmark::kMillisecond);

void EserKaydetme(benchmark::State& durum) {
    const EserPtr eser = büyükEser();
    for (auto _ : durum) eserKaydet(*eser, eserYolu);
}
BENCHMARK(EserKaydetme)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvika::bench

BENCHMARK_MAIN();

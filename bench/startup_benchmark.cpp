// The main window from nothing to its first painted picture, offscreen;
// then the same window opening the full score of 126 lines.

#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/main_window.h"
#include "app/qt_fonts.h"
#include "bench/big_score.h"
#include "core/score_file.h"
#include "core/silent_interaction.h"
#include "tests/support/score_fixtures.h"

namespace selvika::bench {
namespace {

namespace fs = std::filesystem;

// The window with a program folder of its own for its preferences and undo
// ring; the drawing files lie beside this program.
struct Pencere {
    const test::GeçiciKlasör& klasör;
    SessizEtkileşim sessiz;
    QtYazıTipleri yazıTipleri;
    YedekHalkası halka{klasör / "temp.001"};
    ARAYÜZ pencere{klasör.yol(), klasör.yol(), sessiz, yazıTipleri, halka};

    QImage boyalı() {
        pencere.show();
        return pencere.grab().toImage();
    }
};

void İlkBoyalıPencere(benchmark::State& durum) {
    test::GeçiciKlasör klasör;
    for (auto _ : durum) {
        Pencere p{klasör};
        benchmark::DoNotOptimize(p.boyalı());
    }
}
BENCHMARK(İlkBoyalıPencere)->Unit(benchmark::kMillisecond);

void BüyükEserAçma(benchmark::State& durum) {
    test::GeçiciKlasör klasör;
    const fs::path eser = klasör / "Büyük.EVD";
    eserKaydet(*büyükEser(), eser);
    Pencere p{klasör};
    p.boyalı();
    for (auto _ : durum) {
        p.pencere.aç(eser);
        benchmark::DoNotOptimize(p.boyalı());
    }
}
BENCHMARK(BüyükEserAçma)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvika::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

// The drawing of a full score of 126 lines: a line of 60 elements at the
// editor's and at page scale, the strip of all lines and its first screenful,
// a page, a page of the print layout, the whole PDF.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <unistd.h>

#include "bench/big_score.h"
#include "core/silent_interaction.h"
#include "render/glyph_source.h"
#include "render/page_export.h"
#include "render/score_strip.h"

namespace selvika::bench {
namespace {

namespace fs = std::filesystem;

struct Çizim {
    EserPtr eser = büyükEser();
    std::unique_ptr<GlifKaynağı> glifler = GlifKaynağı::yükle(SELVIKA_PROGRAM_DIR);
    SessizEtkileşim sessiz;
    ÇizimOrtamı ortam{*glifler, eser->başlık, sessiz, true};
};

void SatırÇizimi(benchmark::State& durum, const PorteÖlçeği& ö) {
    Çizim ç;
    const Satır satır = altmışElemanlıSatır(*ç.eser);
    QImage resim(çizimGenişliği * ö.satırAralığı / 10, çizimYüksekliği * ö.satırAralığı / 10, QImage::Format_RGB32);
    for (auto _ : durum) {
        resim.fill(Qt::white);
        Satır kopya = satır;
        QPainter ressam(&resim);
        elemyaz2(ressam, kopya, ö, ç.ortam);
    }
}
BENCHMARK_CAPTURE(SatırÇizimi, editör, editörÖlçeği)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(SatırÇizimi, sayfa, sayfaÖlçeği)->Unit(benchmark::kMillisecond);

void Şerit126Satır(benchmark::State& durum) {
    Çizim ç;
    for (auto _ : durum) benchmark::DoNotOptimize(sayfa_hazırla(*ç.eser, ç.ortam));
}
BENCHMARK(Şerit126Satır)->Unit(benchmark::kMillisecond);

// What the page view waits for before the strip shows: the bands of its
// first screenful (the view is 900 pixels high).
void Şerit126SatırİlkGörünen(benchmark::State& durum) {
    Çizim ç;
    for (auto _ : durum) {
        TembelŞerit şerit;
        şerit.başla(*ç.eser);
        şerit.göster(0, 900, *ç.eser, ç.ortam);
        benchmark::DoNotOptimize(şerit.resim());
    }
}
BENCHMARK(Şerit126SatırİlkGörünen)->Unit(benchmark::kMillisecond);

void Sayfa(benchmark::State& durum, SayfaDüzeni düzen) {
    Çizim ç;
    for (auto _ : durum) benchmark::DoNotOptimize(sayfaResmi(*ç.eser, 1, ç.ortam, düzen));
}
BENCHMARK_CAPTURE(Sayfa, sayfaKayıtları, SayfaDüzeni::sayfaKayıtları)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sayfa, baskı, SayfaDüzeni::baskı)->Unit(benchmark::kMillisecond);

void Pdf126Satır(benchmark::State& durum) {
    Çizim ç;
    const fs::path pdf = fs::temp_directory_path() / ("selvika-bench-" + std::to_string(getpid()) + ".pdf");
    for (auto _ : durum)
        if (!eserPdf(*ç.eser, pdf, ç.ortam, SayfaDüzeni::baskı)) durum.SkipWithError("the PDF was not written");
    durum.counters["sayfalar"] = sayfaAdedi(*ç.eser, SayfaDüzeni::baskı, ç.ortam);
    fs::remove(pdf);
}
BENCHMARK(Pdf126Satır)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvika::bench

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

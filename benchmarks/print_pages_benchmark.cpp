// A full score of 126 lines laid out and drawn as the pages of the print
// layout, onto the vector PDF's painter.

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "core/score_file.h"
#include "render/engraved_page_painter.h"
#include "render/glyph_source.h"
#include "support/scripted_interaction.h"

namespace selvika {
namespace {

void BaskıSayfaları126Satır(benchmark::State& durum) {
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    for (int n = 5; n <= satırSayısı; ++n) eser->satırlar[n] = eser->satırlar[(n - 1) % 4 + 1];
    const auto glifler = GlifKaynağı::yükle(SELVIKA_PROGRAM_DIR);
    test::SenaryoluEtkileşim etkileşim;
    const ÇizimOrtamı ortam{*glifler, eser->başlık, etkileşim, true};
    int sayfalar = 0;
    for (auto _ : durum) {
        QBuffer çıktı;
        çıktı.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&çıktı);
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(96);
        QPainter ressam(&pdf);
        const BaskıSayfaları baskı = baskıSayfaları(*eser, ortam);
        for (int s = 1; s <= baskı.düzen.sayfaSayısı; ++s) {
            if (s > 1) pdf.newPage();
            baskıSayfasıÇiz(ressam, *eser, baskı, s, ortam);
        }
        sayfalar = baskı.düzen.sayfaSayısı;
    }
    durum.counters["sayfalar"] = sayfalar;
}
BENCHMARK(BaskıSayfaları126Satır)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvika

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}

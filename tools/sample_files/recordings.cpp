#include "tools/sample_files/recordings.h"

#include <algorithm>
#include <cmath>
#include <span>

#include "audio/frequencies.h"
#include "audio/rhythm_track.h"
#include "audio/sample_rate.h"
#include "pitch/degrees.h"

namespace selvika {

namespace {

constexpr int sazKanalı = 0;
constexpr int davulKanalı = 9;
constexpr int davulBankı = 128;
constexpr int notaHızı = 100;
constexpr long tremoloAralığı = örneklemeHızı / 10;
constexpr long davulBasışı = örneklemeHızı / 10;
constexpr float tepeDüzeyi = 30000;
constexpr long atak = örneklemeHızı / 100;
constexpr long kararlıUzunluk = 32768;

// Where the renderer starts reading a tuned note: the block's sound begins
// there, plucked at once or, for a sound whose start is left out, faded in
// quickly so that it does not click.
long notaGirişi(int saz) { return sazSabitleri(sazKodu(saz)).başlangıç - 1; }

// Where a block's note is let go: from there on it only rings out.
long bırakış(long uzunluk) { return uzunluk * 3 / 4; }

// The end of a recording fades out over `uzunluk` samples so that no cut
// clicks.
void sönümle(std::span<float> kayıt, long uzunluk) {
    uzunluk = std::min<long>(uzunluk, static_cast<long>(kayıt.size()));
    const std::size_t baş = kayıt.size() - static_cast<std::size_t>(uzunluk);
    for (long i = 0; i < uzunluk; ++i)
        kayıt[baş + static_cast<std::size_t>(i)] *= static_cast<float>(uzunluk - i) / static_cast<float>(uzunluk);
}

// One perde's block: the note sounding from where the renderer starts
// reading, let go at three quarters of the block, its tail faded out.
void blokÇal(Sentezci& sentezci, const SazSesi& ses, double frekans, std::span<float> blok) {
    const long giriş = notaGirişi(ses.saz), uzunluk = static_cast<long>(blok.size());
    std::vector<float> çalınan(static_cast<std::size_t>(uzunluk - giriş + ses.atla));
    const long son = bırakış(uzunluk) - giriş + ses.atla;
    const int tuş = enYakınTuş(frekans);
    sentezci.tuşuAkortla(tuş, frekans);
    long t = 0;
    auto çalArasında = [&](long sonra) {
        sentezci.çal(std::span(çalınan).subspan(static_cast<std::size_t>(t), static_cast<std::size_t>(sonra - t)));
        t = sonra;
    };
    const long aralık = ses.tremolo ? tremoloAralığı : son;
    for (int vuruş = 0; t < son; ++vuruş) {
        if (vuruş > 0) sentezci.bırak(sazKanalı, tuş);
        // Down and up strokes of a tremolo differ a little in strength.
        sentezci.bas(sazKanalı, tuş, vuruş % 2 == 0 ? notaHızı : notaHızı * 4 / 5);
        çalArasında(std::min(son, t + aralık));
    }
    sentezci.bırak(sazKanalı, tuş);
    çalArasında(static_cast<long>(çalınan.size()));
    sentezci.sustur();
    std::copy(çalınan.begin() + ses.atla, çalınan.end(), blok.begin() + giriş);
    if (ses.atla > 0) {
        std::span<float> başı = blok.subspan(static_cast<std::size_t>(giriş), atak / 2);
        for (std::size_t i = 0; i < başı.size(); ++i) başı[i] *= static_cast<float>(i) / başı.size();
    }
    sönümle(blok, uzunluk / 20);
}

}  // namespace

KararlıBölüm kararlıBölüm(const SazSesi& ses) {
    const long giriş = notaGirişi(ses.saz);
    if (ses.tremolo) return {giriş + atak, giriş + tremoloAralığı};
    const long baş = giriş + 15 * atak;
    return {baş, std::min(baş + kararlıUzunluk, bırakış(blokUzunluğu(ses.saz)))};
}

std::vector<float> sazKaydı(Sentezci& sentezci, const SazSesi& ses) {
    const auto uzunluk = static_cast<std::size_t>(blokUzunluğu(ses.saz));
    std::vector<float> kayıt(uzunluk * kayıtlıPerdeSayısı);
    sentezci.sesSeç(sazKanalı, ses.bank, ses.program);
    for (int b = 1; b <= kayıtlıPerdeSayısı; ++b) {
        std::span<float> blok(kayıt.data() + static_cast<std::size_t>(kayıtlıPerdeSayısı - b) * uzunluk, uzunluk);
        blokÇal(sentezci, ses, frekanslar()[static_cast<std::size_t>(doğalKoma(b))], blok);
    }
    return kayıt;
}

std::vector<float> ritimKaydı(Sentezci& sentezci, const std::vector<VuruşSesi>& vuruşlar) {
    const VuruşTablosu tablo = ritimVuruşları();
    std::size_t toplam = 0;
    for (const VuruşSesi& v : vuruşlar) {
        const VuruşYeri yer = tablo(v.takım, v.ses, v.ritimSazı);
        toplam = std::max(toplam, static_cast<std::size_t>((yer.konum - 1) / 2 + yer.uzunluk));
    }
    std::vector<float> kayıt(toplam);
    sentezci.sesSeç(davulKanalı, davulBankı, 0);
    for (const VuruşSesi& v : vuruşlar) {
        const VuruşYeri yer = tablo(v.takım, v.ses, v.ritimSazı);
        std::span<float> vuruş(kayıt.data() + (yer.konum - 1) / 2, static_cast<std::size_t>(yer.uzunluk));
        for (int tuş : v.tuşlar) sentezci.bas(davulKanalı, tuş, v.hız);
        sentezci.çal(vuruş.first(davulBasışı));
        for (int tuş : v.tuşlar) sentezci.bırak(davulKanalı, tuş);
        sentezci.çal(vuruş.subspan(davulBasışı));
        sentezci.sustur();
        sönümle(vuruş, örneklemeHızı / 100);
    }
    return kayıt;
}

ÖrnekTamponu onaltıBit(const std::vector<float>& kayıt) {
    float tepe = 0;
    for (float s : kayıt) tepe = std::max(tepe, std::abs(s));
    const float çarpan = tepe > 0 ? tepeDüzeyi / tepe : 0;
    ÖrnekTamponu örnekler(kayıt.size());
    std::ranges::transform(kayıt, örnekler.begin(),
                           [çarpan](float s) { return static_cast<Integer>(std::lrint(s * çarpan)); });
    return örnekler;
}

}  // namespace selvika

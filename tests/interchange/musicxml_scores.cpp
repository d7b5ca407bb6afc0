#include "tests/interchange/musicxml_scores.h"

#include "core/defaults.h"
#include "core/preferences.h"
#include "core/score_file.h"
#include "pitch/key_signatures.h"
#include "pitch/sound.h"
#include "tests/support/line_writer.h"
#include "tests/support/scripted_interaction.h"

namespace selvika::test {
namespace {

void sakla(Eser& eser) {
    SenaryoluEtkileşim etkileşim;
    for (Satır& satır : eser.satırlar)
        if (satır.elemanSayısı > 0) ses(satır, eser.başlık.donanım, etkileşim);
}

Eleman& dörtlük(SatırYazıcı& y, Byte perde, Integer arıza = 0) {
    Eleman& e = y.ekle(perde);
    e.süre = 4;
    e.arıza.arıza = arıza;
    return e;
}

}  // namespace

EserPtr saklanmışÖrnek() {
    EserPtr eser = eserOku(SELVIKA_EXAMPLE).eser;
    sakla(*eser);
    return eser;
}

EserPtr herArızalıEser() {
    EserPtr eser = yeniEser(varsayılanTercihler());
    SatırYazıcı y;
    y.ekle(tür::donanım).usulNo = 2;
    y.usul(5);
    int n = 0;
    for (Integer a : {-8, -7, -6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6, 7, 8}) {
        dörtlük(y, static_cast<Byte>(15 - n % 4), a);
        if (++n % 4 == 0) y.çizgi();
    }
    dörtlük(y, 15, bekar).hece = 1;
    y.kirişli({0});
    y.kirişli({0, 0}, true);
    for (int j = y.satır.elemanSayısı - 4; j <= y.satır.elemanSayısı; ++j) y.satır.elemanlar[j].süre = 8;
    dörtlük(y, 13).yay[1].durum = yayDurumu::başlangıç;
    y.çizgi().satır.elemanlar[y.satır.elemanSayısı].yay[1].durum = yayDurumu::iç;
    dörtlük(y, 13).yay[1].durum = yayDurumu::bitiş;
    dörtlük(y, 12, -1).nokta = 1;
    Eleman& sekizlik = dörtlük(y, 8, 4);
    sekizlik.süre = 8;
    sekizlik.hece = 1;
    y.ekle(tür::sus).süre = 4;
    y.satır.elemanlar[y.satır.elemanSayısı - 2].hece = 1;
    y.satır.güfteSatırları[1] = Text<100>("Se- vi yor");
    y.satır.güfteSatırları[2] = Text<100>("Q du mu");
    y.satır.ifadeler[1].konum1 = 400;
    y.satır.ifadeler[1].metin = Text<50>("TESLİM");
    eser->satırlar[1] = y.satır;
    eser->başlık.başlıklar[1].metin = Text<50>("Her Arıza");
    eser->başlık.başlıklar[7].metin = Text<50>("Selvika");
    eser->başlık.başlıklar[8].metin = Text<50>("Anonim");
    sakla(*eser);
    return eser;
}

std::vector<NotaSesi> notaSesleri(const Eser& eser) {
    std::vector<NotaSesi> sesler;
    for (const Satır& satır : eser.satırlar)
        for (int j = 1; j <= satır.elemanSayısı; ++j)
            if (const Eleman& e = satır.elemanlar[j]; e.nota() || e.tür == tür::sus)
                sesler.push_back({e.sesindeks, e.süreBirim});
    return sesler;
}

}  // namespace selvika::test

// Notes and rests: ledger lines, accidentals, heads with stems and flags, dots.

#include <QPainter>
#include <array>

#include "core/articulations.h"
#include "render/accidental_glyphs.h"
#include "render/box_recording.h"
#include "render/glyph_source.h"
#include "render/painting_parts.h"

namespace selvika {
namespace {

constexpr std::array<char, 7> sapYukarı{'A', 'B', 'C', 'D', 'E', 'F', 'G'};
constexpr std::array<char, 7> sapAşağıda{'A', 'O', 'P', 'Q', 'R', 'S', 'T'};
constexpr std::array<char, 7> suslar{'H', 'I', 'J', 'K', 'L', 'M', 'N'};
constexpr int tamNotaEni = 17;
constexpr int başEni = 12;
constexpr double birim = 10.0;

int notaGlifi(const Eleman& e, bool aşağı) {
    if (e.gurup.gurupYeri != 0) return aşağı ? 'V' : 'U';
    return (aşağı ? sapAşağıda : sapYukarı)[süreSırası(e.süre)];
}

// Right to left from the head: the closing parenthesis, the accidental, the
// opening one, then the natural of a `bekarlı` accidental.
void arızaÇiz(const Parçaİçin& ç, const Eleman& e) {
    const int kod = arızaGlifi(e.arıza.arıza);
    if (kod == 0) return;
    std::array<int, 4> sıra{};
    int n = 0;
    if (e.arıza.parantezli) sıra[n++] = ']';
    sıra[n++] = kod;
    if (e.arıza.parantezli) sıra[n++] = '[';
    if (e.arıza.bekarlı && kod != 'z') sıra[n++] = 'z';
    const int boyut = glifBoyu(e.boyut);
    double kayma = 0;
    for (int i = 0; i < n; ++i) {
        const KarakterKaydı& k = ç.ortam.glifler.tablo()[sıra[i]];
        glif(ç, sıra[i], başX(e) + e.arıza.arızaAyarı - kayma, konumY(e.tür), boyut);
        kayma += (-k.kaymaX - 1) * boyut / 30.0;
    }
}

void noktaÇiz(const Parçaİçin& ç, const Eleman& e, double staffY) {
    if (e.nokta != 1) return;
    const bool çizgide = e.tür < 30 && e.tür % 2 == 0;
    glif(ç, 'Y', başX(e) + (e.süre == 1 ? 5 : 0), staffY - (çizgide ? 5 : 0), glifBoyu(e.boyut));
}

// The playing marks: bowing, plectrum, fermata and pizzicato stacked above
// the staff or the note, whichever is higher; the tremolo across the stem.
// Half ties are curves, drawn with the slurs.
void işaretlerÇiz(const Parçaİçin& ç, const Eleman& e, bool aşağı) {
    using namespace artikülasyon;
    const int boyut = glifBoyu(e.boyut);
    double üst = std::min(konumY(e.tür), konumY(10)) - 10;
    auto üsteKoy = [&](int kod) {
        glif(ç, kod, başX(e), üst, boyut);
        üst -= 12;
    };
    constexpr char yönGlifi[] = {0, 'u', 't'};  // down-bow, up-bow
    if (arşe(e) == 1 || arşe(e) == 2) üsteKoy(yönGlifi[arşe(e)]);
    if (mızrap(e) == 1 || mızrap(e) == 2) üsteKoy(yönGlifi[mızrap(e)]);
    if (puadorkVar(e)) üsteKoy('^');
    if (piçikatoVar(e)) üsteKoy('p');
    if (tremolo(e)) glif(ç, 'v', başX(e), konumY(e.tür) + (aşağı ? 17 : -17), boyut);
}

void notaÇiz(const Parçaİçin& ç, int i) {
    const Eleman& e = ç.satır.elemanlar[i];
    const bool aşağı = sapAşağı(ç, i);
    ekÇizgileriÇiz(ç.ressam, ç.ortam.glifler.kalınlıklar(), başX(e), ekÇizgiler(e.tür),
                   e.süre == 1 ? tamNotaEni : başEni);
    arızaÇiz(ç, e);
    // A beam lengthens its stems itself; a whole note has none.
    const double uzatma = e.gurup.gurupYeri != 0 || e.süre == 1 ? 0 : sapUzatması(e.tür, aşağı) * birim / 2;
    glif(ç, notaGlifi(e, aşağı), başX(e), konumY(e.tür), glifBoyu(e.boyut), uzatma);
    noktaÇiz(ç, e, konumY(e.tür));
    işaretlerÇiz(ç, e, aşağı);
}

void susÇiz(const Parçaİçin& ç, const Eleman& e) {
    glif(ç, suslar[süreSırası(e.süre)], başX(e), konumY(14), glifBoyu(e.boyut));
    noktaÇiz(ç, e, konumY(13));
}

}  // namespace

void ekÇizgileriÇiz(QPainter& ressam, const GravürKalınlıkları& k, double x, const std::vector<int>& çizgiler,
                    double en) {
    const double uzantı = k.ekÇizgiUzantısı * 10;
    for (int çizgiNo : çizgiler) {
        const double y = editörÖlçeği.satırTabanı() + çizgiNo * editörÖlçeği.satırAralığı;
        yatayÇizgi(ressam, x - uzantı, x + en + uzantı, y, k.ekÇizgi);
    }
}

void notalarıÇiz(const Parçaİçin& ç) {
    for (int i = 1; i <= ç.adet; ++i) {
        const Eleman& e = ç.satır.elemanlar[i];
        const KutuKapsamı kutu(ç.ressam, i);
        if (e.nota()) notaÇiz(ç, i);
        else if (e.tür == tür::sus) susÇiz(ç, e);
    }
}

}  // namespace selvika

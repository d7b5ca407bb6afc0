#pragma once

// The boxes of what a page drawing draws, kept while a recorder is attached:
// what tests and the engraving check measure a page by.

#include <string_view>
#include <vector>

namespace selvika {

enum class KutuTürü : unsigned char {
    none,  // not kept: staff and ledger lines, the page's white
    head, stem, flag, beam, accidental, dot, rest, barline, clef, keysignature, timesignature, slur, tuplet,
    volta, syllable, extender, title, lyricblock, text, pagenumber,
    articulation,  // playing marks and ornaments over or under a note
    hairpin,       // crescendo and decrescendo
    passage,       // the bracket of an instrument passage
};

// The kind's name as the boxes file writes it.
std::string_view kutuTürüAdı(KutuTürü tür);

struct Kutu {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

// What is being drawn: its kind, its line and its element; 0 where it
// belongs to none.
struct KutuBağlamı {
    KutuTürü tür = KutuTürü::none;
    int satır = 0, eleman = 0;
    // A line printed in parts draws each part as a line of its own: what its
    // element numbers add to be those of the score's line.
    int kayma = 0;
    // A short line joined on draws as part of the line before: its elements
    // from ekBaşı on belong to line ekSatır, numbered there ekKayma higher.
    int ekBaşı = 0, ekSatır = 0, ekKayma = 0;
};

struct ÇizilenKutu {
    KutuBağlamı ne;
    Kutu kutu;
};

struct SayfaKutuları {
    int sayfa = 0;
    double genişlik = 0, yükseklik = 0;
    std::vector<ÇizilenKutu> kutular;
};

// The painters set the context; the surface adds the box of each thing
// painted under it.
struct KutuKaydı {
    KutuBağlamı bağlam;
    std::vector<ÇizilenKutu> kutular;

    void ekle(const Kutu& k) {
        if (bağlam.tür == KutuTürü::none) return;
        KutuBağlamı ne = bağlam;
        if (ne.ekBaşı != 0 && ne.eleman >= ne.ekBaşı) ne.satır = ne.ekSatır, ne.eleman += ne.ekKayma;
        else if (ne.eleman != 0) ne.eleman += ne.kayma;
        kutular.push_back({ne, k});
    }
};

}  // namespace selvika

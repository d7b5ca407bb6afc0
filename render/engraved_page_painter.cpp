#include "render/engraved_page_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "core/titles.h"
#include "lyrics/lyric_blocks.h"
#include "render/box_recording.h"
#include "render/page_painter.h"
#include "render/painting_parts.h"

namespace selvika {
namespace {

const SayfaÇerçevesi& ç = baskıÇerçevesi;

// Page pixels of one unit of the line picture: the page scale shrunk as
// into the strip's bands, so that print keeps the size of the page view.
constexpr double birimÖlçeği = bantÖlçeği * sayfaÖlçeği.satırAralığı / 10.0;

QString metin(const auto& t) { return QString::fromStdString(t.trimmed()); }

// Where a line's picture stands so that its staff starts at the left margin.
double sistemX() { return ç.kenar - porteBaşı * birimÖlçeği; }

// The lines are engraved across the full text width: their staff runs from
// the left margin to the right one.
ÇizimOrtamı gravürOrtamı(const ÇizimOrtamı& ortam) {
    ÇizimOrtamı o = ortam;
    o.gravürSonu = porteBaşı + ç.yazıEni() / birimÖlçeği;
    return o;
}

void sistemÇiz(QPainter& ressam, const Sistem& sistem, int satır, double y, const ÇizimOrtamı& ortam) {
    Satır s = sistem.satır;
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::none, satır, 0, sistem.kayma, sistem.ekBaşı, sistem.ekSatır,
                                                sistem.ekKayma});
    ressam.save();
    ressam.translate(sistemX(), y);
    ressam.scale(bantÖlçeği, bantÖlçeği);
    elemyaz2(ressam, s, sayfaÖlçeği, ortam);
    ressam.restore();
}

// What a system draws, as boxes from its picture's top.
std::vector<ÇizilenKutu> sistemKutuları(const Sistem& sistem, int satır, const ÇizimOrtamı& ortam) {
    KutuYüzeyi yüzey(int(ç.genişlik), int(ç.yükseklik));
    QPainter ressam(&yüzey);
    sistemÇiz(ressam, sistem, satır, 0, ortam);
    ressam.end();
    return std::move(yüzey.kayıt.kutular);
}

// The notes' own ink reaches as low as this: heads, stems, beams and what
// sits on them.
bool notaMürekkebi(KutuTürü t) {
    switch (t) {
        case KutuTürü::head: case KutuTürü::stem: case KutuTürü::flag: case KutuTürü::beam:
        case KutuTürü::accidental: case KutuTürü::dot: case KutuTürü::rest: case KutuTürü::tuplet:
        case KutuTürü::slur: case KutuTürü::articulation: return true;
        default: return false;
    }
}

// A stem-down beam of low notes reaches into the verse rows: the rows move
// down below the notes' lowest ink, half a staff space clear of it.
void heceleriİndir(Sistem& sistem, const std::vector<ÇizilenKutu>& kutular) {
    double notaAltı = -1e9, heceÜstü = 1e9;
    for (const ÇizilenKutu& k : kutular) {
        if (notaMürekkebi(k.ne.tür)) notaAltı = std::max(notaAltı, k.kutu.y1);
        if (k.ne.tür == KutuTürü::syllable) heceÜstü = std::min(heceÜstü, k.kutu.y0);
    }
    const double boşluk = (konumY(11) - konumY(10)) * birimÖlçeği;
    if (notaAltı + boşluk > heceÜstü)
        sistem.satır.heceKayması =
            static_cast<Integer>(sistem.satır.heceKayması + std::ceil((notaAltı + boşluk - heceÜstü) / birimÖlçeği));
}

// Expressions stand above the notes' highest ink where they meet it, half a
// staff space clear; all of a system's move together, keeping their order.
void ifadeleriKaldır(Sistem& sistem, const std::vector<ÇizilenKutu>& kutular) {
    double kaldır = 0;
    const double boşluk = (konumY(11) - konumY(10)) * birimÖlçeği;
    for (const ÇizilenKutu& yazı : kutular) {
        if (yazı.ne.tür != KutuTürü::text) continue;
        for (const ÇizilenKutu& k : kutular)
            if (notaMürekkebi(k.ne.tür) && k.kutu.x0 < yazı.kutu.x1 && yazı.kutu.x0 < k.kutu.x1 && k.kutu.y1 > yazı.kutu.y0)
                kaldır = std::max(kaldır, yazı.kutu.y1 + boşluk - k.kutu.y0);
    }
    if (kaldır <= 0) return;
    for (int k = 1; k <= 3; ++k)
        if (sistem.satır.ifadeler[k].kullanımda())
            sistem.satır.ifadeler[k].konum2 =
                static_cast<Integer>(sistem.satır.ifadeler[k].konum2 - std::ceil(kaldır / birimÖlçeği));
}

// The ink of a system from its picture's top: what it draws, and its staff.
SistemÖlçüsü sistemÖlçüsü(const std::vector<ÇizilenKutu>& kutular, int satır) {
    SistemÖlçüsü ö{satır, konumY(10) * birimÖlçeği, konumY(18) * birimÖlçeği};
    for (const ÇizilenKutu& k : kutular) {
        ö.üst = std::min(ö.üst, k.kutu.y0);
        ö.alt = std::max(ö.alt, k.kutu.y1);
    }
    return ö;
}

std::array<Boyut, 10> başlıkÖlçüleri(const Eser& eser) {
    std::array<Boyut, 10> ölçüler{};
    for (int t = 1; t <= başlıkSayısı; ++t) {
        const BaşlıkYazısı& b = eser.başlık.başlıklar[t];
        if (b.metin.blank()) continue;
        const QFontMetricsF m(qtYazıTipi(b.yazıTipi));
        ölçüler[t] = {m.horizontalAdvance(metin(b.metin)), m.height()};
    }
    return ölçüler;
}

std::vector<BlokÖlçüsü> blokÖlçüleri(const Eser& eser) {
    const QFontMetricsF m(güfteYazıTipi(eser));
    std::vector<BlokÖlçüsü> bloklar;
    for (int b = 1; b <= güfteBloğuSayısı; ++b) {
        const GüfteBloğu& g = eser.başlık.güfteBlokları[b];
        if (g.metin.blank()) continue;
        const QRectF serbest = m.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::AlignLeft | Qt::AlignTop, metin(g.metin));
        const QRectF sarılı = m.boundingRect(QRectF(0, 0, ç.yazıEni(), 1e6), güfteBiçimi, metin(g.metin));
        bloklar.push_back({b, serbest.width(), serbest.height(), sarılı.height()});
    }
    return bloklar;
}

void başlıklar(QPainter& ressam, const Eser& eser, const BaşlıkBloğu& blok) {
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::title});
    for (int t = 1; t <= başlıkSayısı; ++t) {
        const BaşlıkYazısı& b = eser.başlık.başlıklar[t];
        if (b.metin.blank()) continue;
        const YazıYeri& yer = blok.yerler[t];
        const QFont f = qtYazıTipi(b.yazıTipi);
        ressam.save();
        ressam.translate(yer.alan.x, yer.alan.y);
        ressam.scale(yer.ölçek, yer.ölçek);
        ressam.setFont(f);
        ressam.drawText(QPointF(0, QFontMetricsF(f).ascent()), metin(b.metin));
        ressam.restore();
    }
}

void güfteler(QPainter& ressam, const Eser& eser, const BaskıDüzeni& düzen, int sayfa) {
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::lyricblock});
    ressam.setFont(güfteYazıTipi(eser));
    for (const BlokYeri& b : düzen.bloklar) {
        if (b.sayfa != sayfa) continue;
        const Dörtgen& a = b.alan;
        ressam.drawText(QRectF(a.x, a.y, a.en, a.boy), güfteBiçimi, metin(eser.başlık.güfteBlokları[b.blok].metin));
    }
}

// Page numbers in the syllables' font, as small as the text under the notes.
QFont numaraYazıTipi(const Eser& eser) { return qtYazıTipi(eser.başlık.yazıTipleri[3]); }

void sayfaNumarası(QPainter& ressam, const Eser& eser, int sayfa) {
    const QFont f = numaraYazıTipi(eser);
    const QFontMetricsF m(f);
    const QString yazı = QString::number(sayfa);
    const auto yer = sayfaNumarasıYeri(sayfa, {m.horizontalAdvance(yazı), m.height()}, ç);
    if (!yer) return;
    const KutuKapsamı kutu(ressam, KutuBağlamı{KutuTürü::pagenumber});
    ressam.setFont(f);
    ressam.drawText(QPointF(yer->x, yer->y + m.ascent()), yazı);
}

DüzenAralıkları aralıklar(const Eser& eser) {
    const double aralık = sayfaÖlçeği.satırAralığı * bantÖlçeği;
    const double numara = QFontMetricsF(numaraYazıTipi(eser)).height();
    return {3 * aralık, 3 * aralık, numara + 2 * aralık};
}

}  // namespace

namespace {

// The systems of the score's lines with the line each starts with: a line
// too full for one system is printed as several, each a part of it up to a
// bar line; asked to, a short line joins the one before.
std::vector<std::pair<int, Sistem>> sistemler(const Eser& eser, const ÇizimOrtamı& gravür) {
    std::vector<std::pair<int, Sistem>> hepsi;
    bool öncekiBütün = false;  // the last system is a whole line
    for (int n = 1; n <= satırSayısı; ++n) {
        if (eser.satırlar[n].elemanSayısı == 0) continue;
        std::vector<Sistem> parçalar = gravürSistemleri(eser.satırlar[n], gravür);
        if (gravür.kısaSatırlarBirleşir && öncekiBütün && parçalar.size() == 1)
            if (auto birleşik = birleşikSistem(hepsi.back().second, eser.satırlar[n], n); birleşik && doğalBoyundaSığar(birleşik->satır, gravür)) {
                hepsi.back().second = std::move(*birleşik);
                continue;
            }
        öncekiBütün = parçalar.size() == 1;
        for (Sistem& s : parçalar) hepsi.emplace_back(n, std::move(s));
    }
    return hepsi;
}

}  // namespace

BaskıSayfaları baskıSayfaları(const Eser& eser, const ÇizimOrtamı& ortam) {
    const ÇizimOrtamı gravür = gravürOrtamı(ortam);
    std::vector<Sistem> parçalar;
    std::vector<SistemÖlçüsü> ölçüler;
    for (auto& [n, s] : sistemler(eser, gravür)) {
        // Moving the verse rows changes no box the expressions look at: one
        // recording serves both.
        const auto kutular = sistemKutuları(s, n, gravür);
        heceleriİndir(s, kutular);
        ifadeleriKaldır(s, kutular);
        ölçüler.push_back(sistemÖlçüsü(sistemKutuları(s, n, gravür), n));
        parçalar.push_back(std::move(s));
    }
    const BaşlıkBloğu başlık = başlıkBloğu(başlıkÖlçüleri(eser), ç);
    return {başlık, baskıDüzeni(ölçüler, blokÖlçüleri(eser), başlık.alt, aralıklar(eser), ç), std::move(parçalar)};
}

void baskıSayfasıÇiz(QPainter& ressam, const Eser& eser, const BaskıSayfaları& sayfalar, int sayfa,
                     const ÇizimOrtamı& ortam) {
    ressam.save();
    ressam.fillRect(QRectF(0, 0, ç.genişlik, ç.yükseklik), Qt::white);
    ressam.setRenderHint(QPainter::Antialiasing);
    ressam.setRenderHint(QPainter::TextAntialiasing);
    const ÇizimOrtamı gravür = gravürOrtamı(ortam);
    for (std::size_t i = 0; i < sayfalar.düzen.sistemler.size(); ++i) {
        const SistemYeri& s = sayfalar.düzen.sistemler[i];
        if (s.sayfa == sayfa) sistemÇiz(ressam, sayfalar.sistemler[i], s.satır, s.y, gravür);
    }
    ressam.setPen(Qt::black);
    if (sayfa == 1) başlıklar(ressam, eser, sayfalar.başlık);
    güfteler(ressam, eser, sayfalar.düzen, sayfa);
    sayfaNumarası(ressam, eser, sayfa);
    ressam.restore();
}

}  // namespace selvika

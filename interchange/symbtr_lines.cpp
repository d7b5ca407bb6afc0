#include "interchange/symbtr_lines.h"

#include <array>

#include "core/code_page.h"
#include "core/defaults.h"
#include "core/trimmed_text.h"
#include "edit/cursor.h"
#include "edit/groups.h"
#include "edit/note_entry.h"
#include "edit/slurs.h"
#include "interchange/beam_codes.h"
#include "interchange/report_interaction.h"
#include "pitch/degrees.h"
#include "pitch/key_signature_commands.h"
#include "pitch/sound.h"
#include "rhythm/durations.h"

namespace selvika {
namespace {

constexpr std::size_t heceSatırıGenişliği = 100;
constexpr int ifadeYuvası = 3;
constexpr Byte usulGenişliği = 20;
constexpr Integer ifadeYüksekliği = 20;

std::vector<Simge> simgeler(const std::vector<AlınanÖlçü>& ölçüler) {
    std::vector<Simge> tüm;
    for (const AlınanÖlçü& ö : ölçüler) {
        for (const AlınanNota& n : ö.notalar) tüm.push_back({&ö, &n});
        if (ö.tam()) tüm.push_back({&ö, nullptr});
    }
    return tüm;
}

bool usulBaşlar(const Simge& s) { return s.nota && s.ölçü->usulBaşı && s.nota == &s.ölçü->notalar.front(); }

std::size_t heceUzunluğu(const std::string& hece) { return toCodePage(hece).size(); }

// A line may end after a bar line no tie crosses, or after a note that is
// neither tied on nor inside a triplet.
bool sonOlabilir(const std::vector<Simge>& tüm, std::size_t j, bool çizgiyle) {
    const Simge& s = tüm[j];
    if (!s.nota) return j > 0 && !(tüm[j - 1].nota && tüm[j - 1].nota->bağlı);
    return !çizgiyle && !s.nota->bağlı && s.nota->triole != 1 && s.nota->triole != 2;
}

// The last element of the line that starts at `yer`.
std::size_t sonSimge(const std::vector<Simge>& tüm, std::size_t yer, int sığa) {
    int eleman = 0, etiket = 0;
    std::size_t hece = 0, j = yer;
    for (; j < tüm.size(); ++j) {
        const AlınanNota* n = tüm[j].nota;
        if (j > yer && usulBaşlar(tüm[j])) return j - 1;
        const std::size_t yeniHece = n && !n->hece.empty() ? hece + heceUzunluğu(n->hece) + (hece > 0) : hece;
        const int yeniEtiket = etiket + (n && !n->etiket.empty());
        if (eleman + 1 > sığa || yeniHece > heceSatırıGenişliği || yeniEtiket > ifadeYuvası) break;
        ++eleman;
        hece = yeniHece;
        etiket = yeniEtiket;
    }
    if (j == tüm.size()) return j - 1;
    for (bool çizgiyle : {true, false})
        for (std::size_t k = j; k-- > yer;)
            if (sonOlabilir(tüm, k, çizgiyle)) return k;
    return j > yer ? j - 1 : yer;
}

// A note of the plan where it stands in the line.
struct YazılanNota {
    int j;
    const Simge* simge;
    const AlınanNota& nota() const { return *simge->nota; }
};

Eleman usulElemanı(Byte usulNo) {
    Eleman e;
    e.tür = tür::usul;
    e.genişlik = usulGenişliği;
    e.usulNo = usulNo;
    return e;
}

Eleman notaElemanı(const AlınanNota& n) {
    Eleman e = susElemanı(n.süre);
    e.nokta = n.nokta ? 1 : 0;
    if (n.tür == tür::sus) return e;
    e.tür = n.tür;
    sapHarfiKoy(e, sapHarfi(e.tür));
    e.genişlik = notaGenişliği(sapHarfi(e), n.süre);
    return e;
}

// Left to right, an accidental only where the key signature and the
// accidentals written earlier in the measure do not already give the pitch.
void arızalarıYaz(Satır& satır, const std::vector<YazılanNota>& notalar, const KullanıcıDonanımı& kullanıcı) {
    for (const YazılanNota& y : notalar) {
        if (y.nota().tür == tür::sus) continue;
        sesindeksleriniYaz(satır, kullanıcı);
        Eleman& e = satır.elemanlar[y.j];
        if (e.sesindeks == y.nota().sesindeks) continue;
        const int arıza = doğalKoma(e.tür) - y.nota().sesindeks;
        e.arıza.arıza = static_cast<Integer>(arıza == 0 ? bekar : arıza);
    }
}

bool kirişlenir(const AlınanNota& n) { return n.tür != tür::sus && n.süre >= 8 && n.triole == 0; }
int vuruşu(const YazılanNota& y) { return y.nota().başlangıç / y.simge->ölçü->vuruş; }
bool vuruşİçinde(const YazılanNota& y) {
    return (y.nota().başlangıç + y.nota().uzunluk - 1) / y.simge->ölçü->vuruş == vuruşu(y);
}

bool kodlarDoğru(const Satır& satır, int ilk, int son) {
    for (int j = ilk; j <= son; ++j)
        if (kirişSüresi(satır, j) != satır.elemanlar[j].süre) return false;
    return true;
}

// The editor's group builder, then codes that give each member its value
// where its patterns do not.
void gurupYap(Satır& satır, int ilk, int son, const std::vector<Byte>& kodlar, Etkileşim& etkileşim) {
    if (!gurupKur(satır, ilk, son, etkileşim) || kodlarDoğru(satır, ilk, son)) return;
    for (int j = ilk; j < son; ++j) satır.elemanlar[j].gurup.kiriş = kodlar[static_cast<std::size_t>(j - ilk)];
}

void trioleYap(Satır& satır, int ilk, RaporaYazanEtkileşim& etkileşim) {
    const Byte payda = satır.elemanlar[ilk].süre;
    const std::array<Byte, 3> paydalar{payda, payda, payda};
    gurupYap(satır, ilk, ilk + 2, kirişGuruplarınaBöl(paydalar).front().kodlar, etkileşim);
    for (Byte k = 0; k < 3; ++k) satır.elemanlar[ilk + k].triole.trioleYeri = static_cast<Byte>(k + 1);
}

// Runs of eighths and shorter notes within one beat become beam groups;
// every triplet is a group of its own.
void kirişle(Satır& satır, const std::vector<YazılanNota>& notalar, RaporaYazanEtkileşim& etkileşim) {
    for (std::size_t i = 0; i < notalar.size();) {
        etkileşim.sıra = notalar[i].nota().sıra;
        if (notalar[i].nota().triole == trioleYeri::ilk) {
            trioleYap(satır, notalar[i].j, etkileşim);
            i += 3;
            continue;
        }
        std::size_t son = i;
        while (kirişlenir(notalar[i].nota()) && vuruşİçinde(notalar[i]) && son + 1 < notalar.size() &&
               notalar[son + 1].j == notalar[son].j + 1 && kirişlenir(notalar[son + 1].nota()) &&
               vuruşİçinde(notalar[son + 1]) && vuruşu(notalar[son + 1]) == vuruşu(notalar[i]))
            ++son;
        std::vector<Byte> paydalar;
        for (std::size_t k = i; k <= son; ++k) paydalar.push_back(notalar[k].nota().süre);
        for (const KirişGurubu& g : kirişGuruplarınaBöl(paydalar))
            gurupYap(satır, notalar[i + g.ilk].j, notalar[i + g.son].j, g.kodlar, etkileşim);
        i = son + 1;
    }
}

bool kirişli(const Eleman& e) { return e.gurup.gurupYeri != gurupYeri::yok; }

// A tie is a slur over two notes; the slur wants both stems alike, and an
// unbeamed end follows the other.
void bağla(Satır& satır, const std::vector<YazılanNota>& notalar, RaporaYazanEtkileşim& etkileşim) {
    for (std::size_t i = 0; i < notalar.size(); ++i) {
        if (!notalar[i].nota().bağlı) continue;
        etkileşim.sıra = notalar[i].nota().sıra;
        if (i + 1 == notalar.size()) {
            etkileşim.ikazYaz("bağ satır sonunda kaldı");
            continue;
        }
        Eleman& a = satır.elemanlar[notalar[i].j];
        Eleman& b = satır.elemanlar[notalar[i + 1].j];
        if (sapHarfi(a) != sapHarfi(b) && !(kirişli(a) && kirişli(b))) {
            Eleman& uyan = kirişli(b) ? a : b;
            sapHarfiKoy(uyan, sapHarfi(kirişli(b) ? b : a));
            uyan.genişlik = notaGenişliği(sapHarfi(uyan), uyan.süre);
        }
        liezonYap(satır, notalar[i].j, notalar[i + 1].j, etkileşim);
    }
}

void heceleriYaz(Satır& satır, const std::vector<YazılanNota>& notalar) {
    std::string satırı;
    for (const YazılanNota& y : notalar) {
        if (y.nota().hece.empty()) continue;
        satır.elemanlar[y.j].hece = 1;
        satırı += (satırı.empty() ? "" : " ") + y.nota().hece;
    }
    satır.güfteSatırları[1] = kırpılmışMetin<heceSatırıGenişliği>(satırı);
}

// Section labels stand above their note as expressions.
void etiketleriYaz(Satır& satır, const std::vector<YazılanNota>& notalar) {
    int yuva = 1;
    for (const YazılanNota& y : notalar) {
        if (y.nota().etiket.empty() || yuva > ifadeYuvası) continue;
        İfade& ifade = satır.ifadeler[yuva++];
        ifade.konum1 =
            static_cast<Integer>(satır.ayar1 + (satır.ayar2 - satır.ayar1) * (y.j - 1) / satır.elemanSayısı + 1);
        ifade.konum2 = ifadeYüksekliği;
        ifade.metin = kırpılmışMetin<50>(y.nota().etiket);
    }
}

}  // namespace

std::vector<SatırPlanı> satırlaraBöl(const std::vector<AlınanÖlçü>& ölçüler, int başlangıç) {
    const std::vector<Simge> tüm = simgeler(ölçüler);
    std::vector<SatırPlanı> planlar;
    for (std::size_t yer = 0; yer < tüm.size();) {
        const std::size_t son = sonSimge(tüm, yer, enFazlaEleman - başlangıç);
        SatırPlanı plan{
            {tüm.begin() + static_cast<std::ptrdiff_t>(yer), tüm.begin() + static_cast<std::ptrdiff_t>(son) + 1},
            tüm[son].nota != nullptr};
        planlar.push_back(std::move(plan));
        yer = son + 1;
    }
    return planlar;
}

Satır satırKur(const SatırPlanı& plan, std::optional<Byte> donanım, const EserBaşlık& başlık, İçeAlmaRaporu& rapor) {
    RaporaYazanEtkileşim etkileşim(rapor);
    Satır satır;
    satıratamaları(satır);
    auto ekle = [&](const Eleman& e) {
        satır.elemanlar[++satır.elemanSayısı] = e;
        return static_cast<int>(satır.elemanSayısı);
    };
    if (donanım)
        if (auto e = donanımElemanı(*donanım, başlık.donanım, etkileşim)) ekle(*e);
    ekle(usulElemanı(plan.simgeler.front().ölçü->usulNo));
    std::vector<YazılanNota> notalar;
    for (const Simge& s : plan.simgeler) {
        if (s.nota)
            notalar.push_back({ekle(notaElemanı(*s.nota)), &s});
        else
            ekle(çizgiElemanı(varsayılanÇizgi));
    }
    satır.satırSonu = plan.açık ? satırSonuTürü::açık : satırSonuTürü::yalın;
    arızalarıYaz(satır, notalar, başlık.donanım);
    kirişle(satır, notalar, etkileşim);
    bağla(satır, notalar, etkileşim);
    etkileşim.sıra = 0;
    heceleriYaz(satır, notalar);
    etiketleriYaz(satır, notalar);
    ses(satır, başlık.donanım, etkileşim);
    return satır;
}

}  // namespace selvika

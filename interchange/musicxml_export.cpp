#include "interchange/musicxml_export.h"

#include <optional>
#include <pugixml.hpp>
#include <span>
#include <sstream>
#include <vector>

#include "core/file_io.h"
#include "interchange/import_report.h"
#include "interchange/musicxml_accidentals.h"
#include "interchange/musicxml_notes.h"
#include "interchange/report_interaction.h"
#include "pitch/key_signatures.h"
#include "pitch/sound.h"
#include "render/syllables.h"
#include "rhythm/durations.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

void metinEkle(pugi::xml_node düğüm, const char* ad, std::string_view metin) {
    düğüm.append_child(ad).text().set(std::string(metin).c_str());
}
void sayıEkle(pugi::xml_node düğüm, const char* ad, int sayı) { düğüm.append_child(ad).text().set(sayı); }

// The two ends of one slur layer's span.
struct Yay {
    int ilk, son, katman;
    bool bağ;  // two notes of one pitch with nothing but bar lines between: a tie
};

std::vector<Yay> yaylar(const Satır& satır) {
    std::vector<Yay> hepsi;
    for (int k = 1; k <= 4; ++k) {
        int ilk = 0;
        for (int j = 1; j <= satır.elemanSayısı; ++j) {
            const Byte durum = satır.elemanlar[j].yay[k].durum;
            if (durum == yayDurumu::başlangıç) ilk = j;
            if (durum != yayDurumu::bitiş || ilk == 0) continue;
            const Eleman& a = satır.elemanlar[ilk];
            const Eleman& b = satır.elemanlar[j];
            bool bağ = a.nota() && b.nota() && a.sesindeks == b.sesindeks;
            for (int i = ilk + 1; i < j; ++i)
                if (satır.elemanlar[i].nota() || satır.elemanlar[i].tür == tür::sus) bağ = false;
            if (a.nota() && b.nota()) hepsi.push_back({ilk, j, k, bağ});
            ilk = 0;
        }
    }
    return hepsi;
}

// The note or rest an expression stands above: the first from the element
// at its x, the line's element area shared out evenly as imports place
// them; the last one when none is further on.
int ifadeNotası(const Satır& satır, const İfade& ifade) {
    int bulunan = 0;
    for (int j = 1; j <= satır.elemanSayısı; ++j) {
        const Eleman& e = satır.elemanlar[j];
        if (!e.nota() && e.tür != tür::sus) continue;
        bulunan = j;
        if (satır.ayar1 + (satır.ayar2 - satır.ayar1) * (j - 1) / satır.elemanSayısı + 1 >= ifade.konum1) break;
    }
    return bulunan;
}

int kirişSayısı(const Satır& satır, int j) {
    int sayı = 0;
    for (int d = değerPaydası(satır, j); d > 4; d /= 2) ++sayı;
    return sayı;
}

class Yazıcı {
public:
    explicit Yazıcı(const Eser& eser) : eser_(eser) {}

    void yaz(pugi::xml_document& belge) {
        auto kök = belge.append_child("score-partwise");
        kök.append_attribute("version") = "4.0";
        başlıklarıYaz(kök);
        auto parça = kök.append_child("part-list").append_child("score-part");
        parça.append_attribute("id") = "P1";
        metinEkle(parça, "part-name", "Ses");
        auto çalgı = parça.append_child("score-instrument");
        çalgı.append_attribute("id") = "P1-I1";
        metinEkle(çalgı, "instrument-name", "Ses");
        bölüm_ = kök.append_child("part");
        bölüm_.append_attribute("id") = "P1";
        for (int s = 1; s <= satırSayısı; ++s)
            if (eser_.satırlar[s].elemanSayısı > 0) satırıYaz(eser_.satırlar[s]);
    }

private:
    void başlıklarıYaz(pugi::xml_node kök) {
        const std::string ad = eser_.başlık.başlıklar[eserAdıBaşlığı].metin.trimmed();
        if (!ad.empty()) metinEkle(kök.append_child("work"), "work-title", ad);
        auto kimlik = kök.append_child("identification");
        for (const YaratıcıBaşlığı& y : std::span(yaratıcıBaşlıkları).first(2)) {
            const std::string kim = eser_.başlık.başlıklar[y.başlık].metin.trimmed();
            if (kim.empty()) continue;
            auto c = kimlik.append_child("creator");
            c.append_attribute("type") = std::string(y.tür).c_str();
            c.text().set(kim.c_str());
        }
        metinEkle(kimlik.append_child("encoding"), "software", "Selvika");
    }

    void satırıYaz(const Satır& kaynak) {
        Satır satır = kaynak;
        İçeAlmaRaporu rapor;
        RaporaYazanEtkileşim etkileşim(rapor);
        ses(satır, eser_.başlık.donanım, etkileşim);
        const auto heceler = heceleriDağıt(satır);
        const std::vector<Yay> yayListesi = yaylar(satır);
        for (int j = 1; j <= satır.elemanSayısı; ++j) {
            const Eleman& e = satır.elemanlar[j];
            if (e.tür == tür::donanım && e.usulNo != donanım_) bekleyenDonanım_ = donanım_ = e.usulNo;
            if (e.tür == tür::usul && e.usulNo != usul_) bekleyenUsul_ = usul_ = e.usulNo;
            if (ölçüBitirir(e.tür)) ölçü_ = {};
            if (!e.nota() && e.tür != tür::sus) continue;
            for (const İfade& ifade : satır.ifadeler)
                if (ifade.kullanımda() && ifadeNotası(satır, ifade) == j) ifadeYaz(ifade.metin.trimmed());
            notaYaz(satır, j, heceler[j], yayListesi);
        }
        if (satır.satırSonu != satırSonuTürü::açık) ölçü_ = {};
    }

    void ifadeYaz(const std::string& metin) {
        auto yönerge = ölçü().append_child("direction");
        yönerge.append_attribute("placement") = "above";
        metinEkle(yönerge.append_child("direction-type"), "words", metin);
    }

    pugi::xml_node ölçü() {
        if (!ölçü_) {
            ölçü_ = bölüm_.append_child("measure");
            ölçü_.append_attribute("number") = ++ölçüNo_;
        }
        const bool ilk = ölçüNo_ == 1 && !ölçü_.child("attributes") && !ölçü_.child("note");
        if (!ilk && !bekleyenDonanım_ && !bekleyenUsul_) return ölçü_;
        auto özellik = ölçü_.append_child("attributes");
        if (ilk) sayıEkle(özellik, "divisions", musicXmlBölümü);
        if (ilk || bekleyenDonanım_) donanımYaz(özellik, bekleyenDonanım_.value_or(0));
        if (bekleyenUsul_) {
            auto zaman = özellik.append_child("time");
            metinEkle(zaman, "beats", Pay(*bekleyenUsul_));
            metinEkle(zaman, "beat-type", payda(*bekleyenUsul_));
        }
        if (ilk) {
            auto anahtar = özellik.append_child("clef");
            metinEkle(anahtar, "sign", "G");
            sayıEkle(anahtar, "line", 2);
        }
        bekleyenDonanım_.reset();
        bekleyenUsul_.reset();
        return ölçü_;
    }

    // The accidentals of a key signature code, by letter; the user-defined
    // one from the score.
    std::vector<DonanımArızası> donanımArızaları_(Byte kod) const {
        std::vector<DonanımArızası> arızalar;
        if (kod == kullanıcıTanımlı) {
            for (int h = 0; h < harfSayısı; ++h)
                if (const int d = eser_.başlık.donanım.değerler[static_cast<std::size_t>(h)]; d != 0)
                    arızalar.push_back({static_cast<Harf>(h), d});
            return arızalar;
        }
        const auto tablo = donanımArızaları(kod);
        return {tablo.begin(), tablo.end()};
    }

    void donanımYaz(pugi::xml_node özellik, Byte kod) {
        auto anahtar = özellik.append_child("key");
        const std::vector<DonanımArızası> arızalar = donanımArızaları_(kod);
        if (arızalar.empty()) sayıEkle(anahtar, "fifths", 0);
        for (const DonanımArızası& a : arızalar) {
            metinEkle(anahtar, "key-step", std::string(1, harfAdımları[static_cast<std::size_t>(a.harf)]));
            metinEkle(anahtar, "key-alter", yarımSesFarkı(a.değer));
            const auto glif = musicXmlArızası(a.değer);
            auto işaret = anahtar.append_child("key-accidental");
            işaret.append_attribute("smufl") = std::string(glif->smufl).c_str();
            işaret.text().set(std::string(glif->değer).c_str());
        }
    }

    void notaYaz(const Satır& satır, int j, const ElemanHeceleri& heceler, const std::vector<Yay>& yayListesi) {
        const Eleman& e = satır.elemanlar[j];
        auto nota = ölçü().append_child("note");
        const int d = değerPaydası(satır, j);
        const bool triole = e.triole.trioleYeri != trioleYeri::yok;
        if (e.nota()) {
            const MusicXmlPerdesi p = musicXmlPerdesi(e.tür);
            auto perde = nota.append_child("pitch");
            metinEkle(perde, "step", std::string(1, p.adım));
            if (const int koma = doğalKoma(e.tür) - e.sesindeks; koma != 0)
                metinEkle(perde, "alter", yarımSesFarkı(koma));
            sayıEkle(perde, "octave", p.oktav);
        } else {
            nota.append_child("rest");
        }
        int süre = 4 * musicXmlBölümü / d;
        if (e.nokta) süre += süre / 2;
        if (triole) süre = süre * 2 / 3;
        sayıEkle(nota, "duration", süre);
        for (const Yay& y : yayListesi)
            if (y.bağ && (y.ilk == j || y.son == j))
                nota.append_child("tie").append_attribute("type") = y.ilk == j ? "start" : "stop";
        sayıEkle(nota, "voice", 1);
        metinEkle(nota, "type", notaTürü(d));
        if (e.nokta) nota.append_child("dot");
        arızaYaz(nota, e);
        if (triole) {
            auto oran = nota.append_child("time-modification");
            sayıEkle(oran, "actual-notes", 3);
            sayıEkle(oran, "normal-notes", 2);
        }
        kirişleriYaz(nota, satır, j);
        işaretleriYaz(nota, e, j, yayListesi);
        heceleriYaz(nota, heceler);
    }

    void arızaYaz(pugi::xml_node nota, const Eleman& e) {
        const int a = e.arıza.arıza;
        if (a == 0 || !e.nota()) return;
        auto işaret = nota.append_child("accidental");
        const auto glif = a == bekar ? std::nullopt : musicXmlArızası(a);
        if (e.arıza.parantezli) işaret.append_attribute("parentheses") = "yes";
        işaret.append_attribute("smufl") = glif ? std::string(glif->smufl).c_str() : "accidentalNatural";
        işaret.text().set(glif ? std::string(glif->değer).c_str() : "natural");
    }

    void kirişleriYaz(pugi::xml_node nota, const Satır& satır, int j) {
        const Byte yer = satır.elemanlar[j].gurup.gurupYeri;
        if (yer == gurupYeri::yok) return;
        const bool önceki = yer != gurupYeri::ilk, sonraki = yer != gurupYeri::son;
        for (int n = 1; n <= kirişSayısı(satır, j); ++n) {
            const bool sol = önceki && kirişSayısı(satır, j - 1) >= n;
            const bool sağ = sonraki && kirişSayısı(satır, j + 1) >= n;
            auto kiriş = nota.append_child("beam");
            kiriş.append_attribute("number") = n;
            kiriş.text().set(sol && sağ ? "continue"
                             : sağ      ? "begin"
                             : sol      ? "end"
                             : sonraki  ? "forward hook"
                                        : "backward hook");
        }
    }

    void işaretleriYaz(pugi::xml_node nota, const Eleman& e, int j, const std::vector<Yay>& yayListesi) {
        pugi::xml_node işaretler;
        auto ekle = [&](const char* ad) {
            if (!işaretler) işaretler = nota.append_child("notations");
            return işaretler.append_child(ad);
        };
        for (const Yay& y : yayListesi) {
            if (y.ilk != j && y.son != j) continue;
            auto yay = ekle(y.bağ ? "tied" : "slur");
            yay.append_attribute("type") = y.ilk == j ? "start" : "stop";
            if (!y.bağ) yay.append_attribute("number") = y.katman;
        }
        if (e.triole.trioleYeri == trioleYeri::ilk || e.triole.trioleYeri == trioleYeri::son)
            ekle("tuplet").append_attribute("type") = e.triole.trioleYeri == trioleYeri::ilk ? "start" : "stop";
    }

    void heceleriYaz(pugi::xml_node nota, const ElemanHeceleri& heceler) {
        for (int v = 0; v < ayetSatırı; ++v) {
            const std::string& hece = heceler[static_cast<std::size_t>(v)];
            if (hece.empty() || yerTutucu(hece)) continue;
            bool& sözcükte = sözcükte_[static_cast<std::size_t>(v)];
            const bool sürer = sözcükSürer(hece);
            const char* hecelik = sözcükte ? (sürer ? "middle" : "end") : (sürer ? "begin" : "single");
            sözcükte = sürer;
            auto söz = nota.append_child("lyric");
            söz.append_attribute("number") = v + 1;
            metinEkle(söz, "syllabic", hecelik);
            metinEkle(söz, "text", tiresiz(hece));
        }
    }

    const Eser& eser_;
    pugi::xml_node bölüm_;
    pugi::xml_node ölçü_;
    int ölçüNo_ = 0;
    std::optional<Byte> donanım_, usul_;  // in force
    std::optional<Byte> bekleyenDonanım_;
    std::optional<Byte> bekleyenUsul_;
    std::array<bool, ayetSatırı> sözcükte_{};
};

pugi::xml_document belge(const Eser& eser) {
    pugi::xml_document b;
    auto bildirim = b.append_child(pugi::node_declaration);
    bildirim.append_attribute("version") = "1.0";
    bildirim.append_attribute("encoding") = "UTF-8";
    b.append_child(pugi::node_doctype)
        .set_value(
            "score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
            "\"http://www.musicxml.org/dtds/partwise.dtd\"");
    Yazıcı(eser).yaz(b);
    return b;
}

}  // namespace

std::string musicXmlMetni(const Eser& eser) {
    std::ostringstream çıktı;
    belge(eser).save(çıktı, "  ");
    return çıktı.str();
}

void musicXmlKaydet(const Eser& eser, const std::filesystem::path& yol) {
    if (!belge(eser).save_file(yol.c_str(), "  ")) throw DosyaHatası("dosya yazılamadı: " + yol.string());
}

}  // namespace selvika

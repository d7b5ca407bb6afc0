#include "interchange/musicxml_reading.h"

#include <cmath>
#include <map>
#include <utility>

#include "core/code_page.h"
#include "core/element.h"
#include "interchange/musicxml_accidentals.h"
#include "interchange/musicxml_notes.h"
#include "interchange/note_values.h"
#include "pitch/degrees.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

constexpr int varsayılanUsul = 5;  // 4/4, for a part without a time
constexpr std::size_t ifadeGenişliği = 50;

std::optional<double> sayı(pugi::xml_node düğüm) {
    if (!düğüm) return std::nullopt;
    return düğüm.text().as_double();
}

std::optional<Byte> usulKodu(std::string_view pay, std::string_view payda_) {
    for (int k = 0; k < usulSayısı; ++k)
        if (Pay(k) == pay && payda(k) == payda_) return static_cast<Byte>(k);
    return std::nullopt;
}

class Okuyucu {
public:
    explicit Okuyucu(İçeAlmaRaporu& rapor) : rapor_(rapor) {}

    OkunanBölüm oku(pugi::xml_node bölüm) {
        for (pugi::xml_node ölçü : bölüm.children("measure")) ölçüOku(ölçü);
        if (!usulVar_) rapor_.genel("usul (ölçü sayısı) yok: 4/4 yazıldı");
        return std::move(sonuç_);
    }

private:
    void bildir(std::string_view neden) { rapor_.genel("ölçü " + ölçüNo_ + ": " + std::string(neden)); }

    void ölçüOku(pugi::xml_node ölçü) {
        ölçüNo_ = ölçü.attribute("number").as_string();
        ölçüDurumu_.clear();
        bool başladı = false;
        for (pugi::xml_node c : ölçü.children()) {
            const std::string_view ad = c.name();
            if (ad == "attributes") özellikleriOku(c, başladı);
            if (ad == "direction") yönergeOku(c);
            if (ad != "note") continue;
            const std::string ses = c.child_value("voice");
            if (!anaSes_) anaSes_ = ses;
            if (ses != *anaSes_) {
                bildir("ikinci ses alınmadı");
                continue;
            }
            if (!başladı) ölçüBaşla(), başladı = true;
            notaOku(c);
        }
        trioleyiBitir();
        if (başladı && sonuç_.ölçüler.back().dolu() > sonuç_.ölçüler.back().uzunluk)
            bildir("notalar usulün ölçüsünü aşıyor");
    }

    void ölçüBaşla() {
        AlınanÖlçü ö;
        ö.usulNo = usul_.value_or(varsayılanUsul);
        ö.uzunluk = inceBirlik * std::stoi(std::string(Pay(ö.usulNo))) / std::stoi(std::string(payda(ö.usulNo)));
        const int vuruşPaydası = std::stoi(std::string(payda(ö.usulNo)));
        ö.vuruş = std::min(96, 2 * inceBirlik / vuruşPaydası);
        ö.usulBaşı = sonuç_.ölçüler.empty() || usulDeğişti_;
        usulDeğişti_ = false;
        sonuç_.ölçüler.push_back(std::move(ö));
    }

    void özellikleriOku(pugi::xml_node özellik, bool başladı) {
        if (auto b = özellik.child("divisions")) bölüm_ = b.text().as_int(1);
        if (auto k = özellik.child("key")) donanımOku(k);
        if (auto t = özellik.child("time")) {
            const std::optional<Byte> kod = usulKodu(t.child_value("beats"), t.child_value("beat-type"));
            if (!kod)
                bildir(std::string("usul ") + t.child_value("beats") + "/" + t.child_value("beat-type") +
                       " usul listesinde yok");
            if (kod && kod != usul_) usulDeğişti_ = true;
            if (kod) usul_ = kod, usulVar_ = true;
            if (başladı && usulDeğişti_) bildir("ölçü içinde usul değişikliği alınmadı");
        }
    }

    void donanımOku(pugi::xml_node anahtar) {
        std::vector<DonanımArızası> arızalar;
        auto ekle = [&](char adım, std::optional<int> koma) {
            const auto h = harfAdımları.find(adım);
            if (h == std::string_view::npos || !koma) return bildir("donanımın bir arızası okunamadı");
            if (*koma != 0) arızalar.push_back({static_cast<Harf>(h), *koma});
        };
        if (auto beşli = anahtar.child("fifths")) {
            const int n = beşli.text().as_int();
            for (int i = 0; i < std::abs(n) && i < 7; ++i)
                ekle(n > 0 ? "FCGDAEB"[i] : "BEADGCF"[i], komaSayısı(n > 0 ? "sharp" : "flat", "", std::nullopt));
        }
        for (pugi::xml_node adım : anahtar.children("key-step")) {
            pugi::xml_node alter = adım.next_sibling();
            pugi::xml_node işaret = alter.next_sibling();
            if (std::string_view(işaret.name()) != "key-accidental") işaret = {};
            ekle(adım.text().get()[0],
                 komaSayısı(işaret.text().get(), işaret.attribute("smufl").as_string(), sayı(alter)));
        }
        anahtar_ = {};
        for (const DonanımArızası& a : arızalar) anahtar_[harfAdımları[static_cast<std::size_t>(a.harf)]] = a.değer;
        if (!donanımVar_)
            sonuç_.donanım = arızalar;
        else if (!aynıArızalar(arızalar, sonuç_.donanım))
            bildir("donanım değişikliği: notalar sesleriyle, arızalarla yazıldı");
        donanımVar_ = true;
        ölçüDurumu_.clear();
    }

    // The koma count the note sounds: its glyph and alter, else what the key
    // and the measure's accidentals give its step and octave.
    int komaBul(pugi::xml_node nota, char adım, int oktav) {
        const pugi::xml_node işaret = nota.child("accidental");
        const std::optional<double> alter = sayı(nota.child("pitch").child("alter"));
        // Without `<alter>` a note is natural unless an accidental earlier in
        // the measure holds its step (SymbTr leans on that); with one, the
        // key may give it.
        const bool taşınan = ölçüDurumu_.contains({adım, oktav});
        const int durum = taşınan ? ölçüDurumu_[{adım, oktav}] : alter ? anahtar_[adım] : 0;
        std::optional<int> koma;
        if (işaret) {
            koma = komaSayısı(işaret.text().get(), işaret.attribute("smufl").as_string(), alter);
            if (!koma) bildir(std::string("arıza ") + işaret.text().get() + " tanınmadı");
        }
        if (!koma && alter) {
            const AlterKoması a = alterKoması(*alter);
            koma = !a.tam && std::abs(durum * komaYarımSes - *alter) < 0.25 ? durum : a.koma;
        }
        const int k = koma.value_or(durum);
        ölçüDurumu_[{adım, oktav}] = k;
        return k;
    }

    void perdeYaz(pugi::xml_node nota, AlınanNota& n) {
        const pugi::xml_node perde = nota.child("pitch");
        if (!perde) return;
        const char adım = perde.child_value("step")[0];
        const int oktav = perde.child("octave").text().as_int();
        const int k = komaBul(nota, adım, oktav);
        const int p = perdesi(adım, oktav);
        if (p == 0) return bildir(std::string("perde ") + adım + std::to_string(oktav) + " portede yok: es yazıldı");
        if (std::abs(k) > enBüyükArıza) return bildir(std::to_string(k) + " komalık arıza yazılamaz: es yazıldı");
        n.tür = static_cast<Byte>(p);
        n.sesindeks = static_cast<Byte>(doğalKoma(p) - k);
    }

    // Words become the next note's expression; a tempo has no place in a
    // score's lines.
    void yönergeOku(pugi::xml_node yönerge) {
        for (pugi::xml_node tür : yönerge.children("direction-type"))
            for (pugi::xml_node c : tür.children()) {
                if (std::string_view(c.name()) == "words")
                    etiketEkle(bekleyenEtiket_, c.text().get());
                else
                    bildir(std::string(c.name()) + " yönergesi alınmadı");
            }
    }

    static void etiketEkle(std::string& etiket, std::string_view metin) {
        while (!metin.empty() && metin.back() == ' ') metin.remove_suffix(1);
        if (!metin.empty()) etiket += (etiket.empty() ? "" : " ") + std::string(metin);
    }

    void ekOku(pugi::xml_node nota, NotaEki& ek) {
        ek.ölçü = ölçüNo_;
        ek.etiket = std::exchange(bekleyenEtiket_, {});
        int sıra = 0;
        for (pugi::xml_node söz : nota.children("lyric")) {
            const int v = söz.attribute("number").as_int(sıra + 1) - 1;
            ++sıra;
            std::string metin = söz.child_value("text");
            // SymbTr names a section by a lyric whose name is its text.
            if (!metin.empty() && metin == söz.attribute("name").as_string()) {
                etiketEkle(ek.etiket, metin);
                continue;
            }
            std::erase(metin, ' ');
            if (metin.empty()) continue;
            if (v < 0 || v > 3) {
                bildir("dördüncüden sonraki kıta alınmadı");
                continue;
            }
            const std::string_view hecelik = söz.child_value("syllabic");
            if (hecelik == "begin" || hecelik == "middle") metin += "-";
            ek.heceler[static_cast<std::size_t>(v)] = metin;
        }
        if (toCodePage(ek.etiket).size() > ifadeGenişliği) bildir("ifade 50 harfe kesildi: " + ek.etiket);
        for (pugi::xml_node işaret : nota.child("notations").children()) {
            const std::string_view ad = işaret.name();
            const std::string_view tür = işaret.attribute("type").as_string();
            if (ad == "slur" && tür == "start") ek.yayBaşları.push_back(işaret.attribute("number").as_int(1));
            if (ad == "slur" && tür == "stop") ek.yaySonları.push_back(işaret.attribute("number").as_int(1));
            if (ad != "slur" && ad != "tied" && ad != "tuplet") bildir(std::string(ad) + " işareti alınmadı");
        }
    }

    void notaOku(pugi::xml_node nota) {
        if (nota.child("grace")) return bildir("süsleme notası alınmadı");
        if (nota.child("chord")) return bildir("akor notası alınmadı");
        if (nota.child("cue")) return bildir("işaret notası alınmadı");
        AlınanNota n;
        n.tür = tür::sus;
        perdeYaz(nota, n);
        for (pugi::xml_node bağ : nota.children("tie"))
            if (std::string_view(bağ.attribute("type").as_string()) == "start") n.bağlı = true;
        NotaEki ek;
        ekOku(nota, ek);
        const long süre = nota.child("duration").text().as_llong();
        if (süre * 96 % bölüm_ != 0) return bildir("süre 384'te birlere bölünmüyor: nota alınmadı");
        int uzunluk = static_cast<int>(süre * 96 / bölüm_);
        const pugi::xml_node oran = nota.child("time-modification");
        if (oran)
            uzunluk = trioleYaz(n, uzunluk, oran, nota);
        else
            trioleyiBitir();
        if (n.triole != 0) return ekle(n, std::move(ek), uzunluk);
        parçalaraBöl(n, std::move(ek), uzunluk);
    }

    // A member of a triplet of eighths to thirty-seconds, as the line
    // writes it; any other tuplet keeps its notes' plain values, which
    // the length then is.
    int trioleYaz(AlınanNota& n, int uzunluk, pugi::xml_node oran, pugi::xml_node nota) {
        const int payda_ = paydası(nota.child_value("type"));
        const bool üçleme =
            oran.child("actual-notes").text().as_int() == 3 && oran.child("normal-notes").text().as_int() == 2;
        if (!üçleme || (payda_ != 8 && payda_ != 16 && payda_ != 32) || uzunluk * payda_ != 256) {
            trioleyiBitir();
            bildir("bu üçleme (ya da başka bölüm) yazılamaz: notalar düz değerleriyle yazıldı");
            const int düz = payda_ > 0 ? inceBirlik / payda_ : uzunluk;
            return nota.child("dot") ? düz + düz / 2 : düz;
        }
        trioleSayısı_ = trioleSayısı_ % 3 + 1;
        n.triole = static_cast<Byte>(trioleSayısı_);
        n.süre = static_cast<Byte>(payda_);
        return uzunluk;
    }

    // A triplet cut short keeps its notes at their plain place.
    void trioleyiBitir() {
        if (trioleSayısı_ == 1 || trioleSayısı_ == 2) {
            bildir("eksik üçleme: notaları üçlemesiz yazıldı");
            auto& notalar = sonuç_.ölçüler.back().notalar;
            for (int i = 0; i < trioleSayısı_ && i < static_cast<int>(notalar.size()); ++i)
                notalar[notalar.size() - 1 - static_cast<std::size_t>(i)].triole = 0;
        }
        trioleSayısı_ = 0;
    }

    // A length no single value holds becomes tied notes, longest first.
    void parçalaraBöl(AlınanNota n, NotaEki ek, int uzunluk) {
        const auto değerler = değerlereBöl(uzunluk);
        if (!değerler || değerler->empty()) return bildir("notanın süresi yazılamaz: nota alınmadı");
        const std::vector<NotaDeğeri>& parçalar = *değerler;
        const bool bağlı = n.bağlı;
        const std::vector<int> sonlar = ek.yaySonları;
        for (std::size_t i = 0; i < parçalar.size(); ++i) {
            const bool son = i + 1 == parçalar.size();
            n.süre = parçalar[i].süre;
            n.nokta = parçalar[i].nokta;
            n.bağlı = son ? bağlı : n.tür != tür::sus;
            ek.yaySonları = son ? sonlar : std::vector<int>{};
            ekle(n, ek, parçalar[i].uzunluk);
            ek.heceler = {};
            ek.etiket.clear();
            ek.yayBaşları.clear();
        }
    }

    void ekle(AlınanNota n, NotaEki ek, int uzunluk) {
        if (sonuç_.ölçüler.empty()) ölçüBaşla();
        AlınanÖlçü& ö = sonuç_.ölçüler.back();
        n.başlangıç = ö.dolu();
        n.uzunluk = uzunluk;
        n.sıra = static_cast<int>(sonuç_.ekler.size()) + 1;
        n.etiket = ek.etiket;
        for (const std::string& h : ek.heceler)
            if (h.size() > n.hece.size()) n.hece = h;
        ö.notalar.push_back(n);
        sonuç_.ekler.push_back(std::move(ek));
    }

    İçeAlmaRaporu& rapor_;
    OkunanBölüm sonuç_;
    std::string ölçüNo_;
    long bölüm_ = 1;
    std::optional<Byte> usul_;
    std::optional<std::string> anaSes_;
    std::string bekleyenEtiket_;
    bool usulVar_ = false, usulDeğişti_ = false, donanımVar_ = false;
    int trioleSayısı_ = 0;
    std::map<char, int> anahtar_;
    std::map<std::pair<char, int>, int> ölçüDurumu_;
};

}  // namespace

bool aynıArızalar(std::span<const DonanımArızası> a, std::span<const DonanımArızası> b) {
    const auto içinde = [](const DonanımArızası& x, std::span<const DonanımArızası> s) {
        for (const DonanımArızası& y : s)
            if (x.harf == y.harf && x.değer == y.değer) return true;
        return false;
    };
    if (a.size() != b.size()) return false;
    for (const DonanımArızası& x : a)
        if (!içinde(x, b)) return false;
    return true;
}

const NotaEki& notaEki(const OkunanBölüm& bölüm, int sıra) { return bölüm.ekler[static_cast<std::size_t>(sıra - 1)]; }

OkunanBölüm bölümüOku(pugi::xml_node bölüm, İçeAlmaRaporu& rapor) { return Okuyucu(rapor).oku(bölüm); }

}  // namespace selvika

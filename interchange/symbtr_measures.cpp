#include "interchange/symbtr_measures.h"

#include <array>
#include <cmath>
#include <optional>

#include "core/element.h"
#include "interchange/note_values.h"
#include "pitch/degrees.h"
#include "rhythm/usul_numerals.h"

namespace selvika {
namespace {

// A member of a beamed triplet of eighths, sixteenths or thirty-seconds.
constexpr bool trioleÜyesi(int uzunluk) { return uzunluk == 32 || uzunluk == 16 || uzunluk == 8; }
constexpr Byte trioleSüresi(int uzunluk) { return static_cast<Byte>(256 / uzunluk); }

// The degree of "A4", "B4b1", "F5#4": letter and octave; A4 is Dügah.
std::optional<Byte> perde(std::string_view notaAE) {
    constexpr std::string_view harfler = "CDEFGAB";
    if (notaAE.size() < 2 || harfler.find(notaAE[0]) == std::string_view::npos) return std::nullopt;
    if (notaAE[1] < '0' || notaAE[1] > '9') return std::nullopt;
    const int sıra = (notaAE[1] - '0') * 7 + static_cast<int>(harfler.find(notaAE[0]));
    const int p = 48 - sıra;
    if (p < enTizPerde || p > enPestPerde) return std::nullopt;
    return static_cast<Byte>(p);
}

bool küçükHarf(std::string_view s, std::size_t i) {
    constexpr std::array<std::string_view, 9> türkçe = {"ç", "ğ", "ı", "ö", "ş", "ü", "â", "î", "û"};
    if (s[i] >= 'a' && s[i] <= 'z') return true;
    for (std::string_view h : türkçe)
        if (s.substr(i).starts_with(h)) return true;
    return false;
}

// Upper-case words such as "SAZ" or "2. HANE VE TESLİM" name a section.
bool bölümEtiketi(std::string_view s) {
    int harf = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (küçükHarf(s, i)) return false;
        const auto c = static_cast<unsigned char>(s[i]);
        if ((c >= 'A' && c <= 'Z') || c >= 0xC0) ++harf;
    }
    return harf >= 2;
}

std::string kırp(std::string_view s) {
    const auto ilk = s.find_first_not_of(' ');
    if (ilk == std::string_view::npos) return {};
    return std::string(s.substr(ilk, s.find_last_not_of(' ') - ilk + 1));
}

// A verse row separates syllables with blanks: a syllable keeps none, and
// one that does not end its word takes the hyphen that joins it to the next.
std::string hece(std::string_view söz) {
    std::string h;
    for (char c : söz)
        if (c != ' ' && c != '_') h += c;
    const bool sözcükBiter = söz.ends_with(' ') || söz.ends_with('_');
    return h.empty() || sözcükBiter || h.ends_with('-') ? h : h + "-";
}

std::optional<Byte> usulKodu(int pay, int payda) {
    for (int no = 0; no < usulSayısı; ++no)
        if (Pay(no) == std::to_string(pay) && selvika::payda(no) == std::to_string(payda)) return static_cast<Byte>(no);
    return std::nullopt;
}

class Ölçüleyici {
public:
    explicit Ölçüleyici(İçeAlmaRaporu& rapor) : rapor_(rapor) {}

    void satır(const SymbTrSatırı& s) {
        if (s.kod == symbTrKodu::usul) return usulDeğiştir(s);
        if (s.kod == symbTrKodu::cümleSonu) return;
        if (s.kod == symbTrKodu::süsNotası) return rapor_.sıra(s.sıra, "süs notası (Kod 8) alınmadı");
        if (s.kod != symbTrKodu::nota)
            rapor_.sıra(s.sıra, "süsleme (Kod " + std::to_string(s.kod) + ") düz nota olarak alındı");
        nota(s);
    }

    std::vector<AlınanÖlçü> bitir() {
        trioleyiBırak();
        if (!ölçüler_.empty() && ölçüler_.back().notalar.empty()) ölçüler_.pop_back();
        return std::move(ölçüler_);
    }

private:
    void usulDeğiştir(const SymbTrSatırı& s) {
        const auto kod = usulKodu(s.pay, s.payda);
        if (!kod)
            return rapor_.sıra(
                s.sıra, "usul " + std::to_string(s.pay) + "/" + std::to_string(s.payda) + " usul listesinde yok");
        trioleyiBırak();
        if (!ölçüler_.empty() && !ölçüler_.back().notalar.empty() && !ölçüler_.back().tam())
            rapor_.sıra(s.sıra, "usul değişikliği mezür ortasında");
        usul_ =
            AlınanÖlçü{*kod, inceBirlik * s.pay / s.payda, s.payda >= 16 ? inceBirlik / 8 : inceBirlik / 4, true, {}};
        if (!ölçüler_.empty() && ölçüler_.back().notalar.empty()) ölçüler_.pop_back();
        ölçüler_.push_back(*usul_);
    }

    void nota(const SymbTrSatırı& s) {
        if (!usul_) return rapor_.sıra(s.sıra, "usulden önce gelen nota alınmadı");
        if (s.pay <= 0 || s.payda <= 0 || (inceBirlik * s.pay) % s.payda != 0)
            return atla(s, "süre " + std::to_string(s.pay) + "/" + std::to_string(s.payda) + " yazılamıyor");
        const auto ses = notaSesi(s);
        if (!ses) return;
        AlınanNota n;
        n.sıra = s.sıra;
        n.tür = ses->tür;
        n.sesindeks = ses->sesindeks;
        const std::string söz = kırp(s.söz);
        if (söz != "." && !söz.empty()) {
            if (bölümEtiketi(söz))
                n.etiket = söz;
            else
                n.hece = hece(s.söz);
        }
        const int uzunluk = inceBirlik * s.pay / s.payda;
        if (trioleÜyesi(uzunluk)) return trioleÜyesiEkle(s, n, uzunluk);
        trioleyiBırak();
        yerleştir(s, n, uzunluk);
        offsetDenetle(s);
    }

    struct Ses {
        Byte tür, sesindeks;
    };
    std::optional<Ses> notaSesi(const SymbTrSatırı& s) {
        if (s.notaAE == "Es" || s.komaAE < 0) return Ses{tür::sus, 0};
        const auto p = perde(s.notaAE);
        const int k = 420 - s.komaAE;
        if (!p || k < 1 || k > 229 || std::abs(doğalKoma(*p) - k) > enBüyükArıza) {
            atla(s, "perde " + s.notaAE + " (koma " + std::to_string(s.komaAE) + ") yazılamıyor");
            return std::nullopt;
        }
        return Ses{*p, static_cast<Byte>(k)};
    }

    AlınanÖlçü& ölçü() {
        if (ölçüler_.back().tam()) {
            ölçüler_.push_back(*usul_);
            ölçüler_.back().usulBaşı = false;
        }
        return ölçüler_.back();
    }

    // The row's length cut at measure ends, each part as tied values.
    void yerleştir(const SymbTrSatırı& s, AlınanNota n, int uzunluk) {
        std::vector<std::vector<NotaDeğeri>> ölçüParçaları;
        for (int kalan = uzunluk, yer = ölçüler_.back().tam() ? 0 : ölçüler_.back().dolu(); kalan > 0; yer = 0) {
            const int parça = std::min(kalan, usul_->uzunluk - yer);
            auto değerler = değerlereBöl(parça);
            if (!değerler)
                return atla(s, "süre " + std::to_string(s.pay) + "/" + std::to_string(s.payda) + " yazılamıyor");
            ölçüParçaları.push_back(std::move(*değerler));
            kalan -= parça;
        }
        const bool nota = n.tür != tür::sus;
        for (std::size_t m = 0; m < ölçüParçaları.size(); ++m)
            for (std::size_t i = 0; i < ölçüParçaları[m].size(); ++i) {
                AlınanÖlçü& ö = ölçü();
                AlınanNota parça = n;
                if (m > 0 || i > 0) {
                    parça.hece.clear();
                    parça.etiket.clear();
                }
                const NotaDeğeri& d = ölçüParçaları[m][i];
                parça.süre = d.süre;
                parça.nokta = d.nokta;
                parça.başlangıç = ö.dolu();
                parça.uzunluk = d.uzunluk;
                parça.bağlı = nota && !(m + 1 == ölçüParçaları.size() && i + 1 == ölçüParçaları[m].size());
                ö.notalar.push_back(std::move(parça));
            }
    }

    void trioleÜyesiEkle(const SymbTrSatırı& s, AlınanNota n, int uzunluk) {
        if (!triole_.empty() && triole_.front().uzunluk != uzunluk) trioleyiBırak();
        if (n.tür == tür::sus) {
            trioleyiBırak();
            return atla(s, "üçleme içinde es yazılamıyor");
        }
        n.uzunluk = uzunluk;
        triole_.push_back(std::move(n));
        trioleSatırları_.push_back(s);
        if (triole_.size() < 3) return;
        const int yer = ölçüler_.back().tam() ? 0 : ölçüler_.back().dolu();
        if (yer + 3 * uzunluk > usul_->uzunluk) return trioleyiBırak("üçleme mezür sonunu aşıyor, yazılamıyor");
        AlınanÖlçü& ö = ölçü();
        for (Byte i = 0; i < 3; ++i) {
            AlınanNota& üye = triole_[i];
            üye.süre = trioleSüresi(uzunluk);
            üye.triole = static_cast<Byte>(i + 1);
            üye.başlangıç = ö.dolu();
            ö.notalar.push_back(std::move(üye));
        }
        triole_.clear();
        offsetDenetle(trioleSatırları_.back());
        trioleSatırları_.clear();
    }

    // Rows of a triplet length that did not make three in a measure.
    void trioleyiBırak(const std::string& neden = "üçleme tamamlanmadı, yazılamıyor") {
        for (const SymbTrSatırı& s : trioleSatırları_) atla(s, neden);
        triole_.clear();
        trioleSatırları_.clear();
    }

    // A row left out still moves the source's Offset on.
    void atla(const SymbTrSatırı& s, const std::string& neden) {
        rapor_.sıra(s.sıra, neden);
        if (usul_ && s.pay > 0 && s.payda > 0)
            atlanan_ += static_cast<double>(s.pay) * inceBirlik / s.payda / usul_->uzunluk;
    }

    // Where the row ends, in measures, should be the row's Offset; told once.
    void offsetDenetle(const SymbTrSatırı& s) {
        double ölçüSayısı = 0;
        for (const AlınanÖlçü& ö : ölçüler_) ölçüSayısı += static_cast<double>(ö.dolu()) / ö.uzunluk;
        if (offsetFarkıBildirildi_ || std::abs(ölçüSayısı + atlanan_ - s.offset) < 1e-3) return;
        rapor_.sıra(s.sıra, "Offset " + std::to_string(s.offset) + " yazılan mezürlerle uyuşmuyor");
        offsetFarkıBildirildi_ = true;
    }

    İçeAlmaRaporu& rapor_;
    std::optional<AlınanÖlçü> usul_;
    std::vector<AlınanÖlçü> ölçüler_;
    std::vector<AlınanNota> triole_;
    std::vector<SymbTrSatırı> trioleSatırları_;
    double atlanan_ = 0;  // measures of rows left out
    bool offsetFarkıBildirildi_ = false;
};

}  // namespace

std::vector<AlınanÖlçü> ölçülereBöl(const std::vector<SymbTrSatırı>& satırlar, İçeAlmaRaporu& rapor) {
    Ölçüleyici ö(rapor);
    for (const SymbTrSatırı& s : satırlar) ö.satır(s);
    return ö.bitir();
}

}  // namespace selvika

#include "core/score_session.h"

#include "core/defaults.h"
#include "core/preferences_file.h"
#include "core/score_file.h"

namespace selvika {

EserOturumu::EserOturumu(std::filesystem::path çalışmaKlasörü, Etkileşim& etkileşim,
                         const YazıTipiSorgusu& yazıTipleri)
    : çalışmaKlasörü_(std::move(çalışmaKlasörü)), etkileşim_(etkileşim), yazıTipleri_(yazıTipleri) {}

std::string EserOturumu::pencereBaşlığı() const {
    std::string başlık = "selvika V" + std::to_string(programSürümü);
    if (açık()) başlık += "   (eser = V" + std::to_string(eser_->sürüm) + ")";
    return başlık;
}

EserOturumu::AçmaSonucu EserOturumu::aç() {
    auto yol = etkileşim_.açılacakDosya({eserSüzgeci, eserUzantısı, çalışmaKlasörü_, {}});
    return yol ? aç(*yol) : AçmaSonucu::değişmedi;
}

EserOturumu::AçmaSonucu EserOturumu::aç(const std::filesystem::path& yol) {
    std::error_code ec;
    if (std::filesystem::exists(yol, ec)) {
        if (!satırıBırak() || !değişiklikleriKaydetsinMi()) return AçmaSonucu::değişmedi;
        return dosyadanAç(yol);
    }
    std::string ad = Text<50>(yol.stem().string()).trimmed();
    if (etkileşim_.mesaj(ad + "  adıyla  yeni bir dosya açılacaktır.", "yeni eser dosyası açma onayı",
                         Düğmeler::tamamVazgeç) != Cevap::tamam)
        return AçmaSonucu::değişmedi;
    if (!satırıBırak() || !değişiklikleriKaydetsinMi()) return AçmaSonucu::değişmedi;
    yeniEserAç(yol);
    return AçmaSonucu::açıldı;
}

// Asks about unsaved changes and saves on Yes; false when a wanted save failed.
bool EserOturumu::değişiklikleriKaydetsinMi() {
    if (!açık() || !değişti_) return true;
    if (etkileşim_.mesaj(kayıtSorusu, "değişiklik kaydı onayı", Düğmeler::evetHayır) != Cevap::evet) return true;
    return dosyayaYaz();
}

void EserOturumu::yeniEserAç(const std::filesystem::path& yol) {
    std::string uyarı;
    eser_ = yeniEser(tercihleriOku(çalışmaKlasörü_, &uyarı));
    dosyayıBağla(yol);
    if (!uyarı.empty()) etkileşim_.mesaj(uyarı, tercihDosyası);
}

void EserOturumu::dosyayıBağla(const std::filesystem::path& yol) {
    yol_ = yol;
    eserAdı_ = Text<50>(yol.stem().string());
    değişti_ = false;
    yedekAlındı_ = false;
}

std::filesystem::path yedekYolu(const std::filesystem::path& yol) {
    std::filesystem::path yedek = yol;
    return yedek.replace_filename(yol.stem().string() + ".yedek" + yol.extension().string());
}

EserOturumu::AçmaSonucu EserOturumu::dosyadanAç(const std::filesystem::path& yol) {
    AçılanEser açılan;
    eskiGeçicileriSil(yol.has_parent_path() ? yol.parent_path() : ".");
    try {
        açılan = eserOku(yol);
    } catch (const YeniSürümHatası& hata) {
        etkileşim_.mesaj(hata.what());
        return AçmaSonucu::programKapanmalı;
    } catch (const DosyaHatası& hata) {
        etkileşim_.mesaj(hata.what());
        return AçmaSonucu::değişmedi;
    }
    eser_ = std::move(açılan.eser);
    dosyayıBağla(yol);
    if (!açılan.rapor.tam()) etkileşim_.mesaj(açılan.rapor.metin(), "eser dosyası");
    yazıTipleriniDenetle();
    return AçmaSonucu::açıldı;
}

// Told once for all faces: a score made elsewhere often names several.
void EserOturumu::yazıTipleriniDenetle() {
    auto değişenler = selvika::yazıTipleriniDenetle(*eser_, yazıTipleri_);
    if (değişenler.empty()) return;
    std::string adlar;
    for (const auto& yüz : değişenler) adlar += (adlar.empty() ? "\"" : ", \"") + yüz + "\"";
    etkileşim_.mesaj(adlar + "\n" + yazıTipiDeğiştirildi + "\n" + değiştirilmişKaydedilir + "\n" + kaydetmedenÇıkın);
}

bool EserOturumu::kaydet() { return satırıBırak() && dosyayaYaz(); }

bool EserOturumu::dosyayaYaz() {
    if (!kaydet(yol_, !yedekAlındı_)) return false;
    değişti_ = false;
    yedekAlındı_ = true;
    return true;
}

bool EserOturumu::kaydet(const std::filesystem::path& yol, bool yedekli) {
    try {
        if (yedekli) yedekle(yol, yedekYolu(yol));
        eserKaydet(*eser_, yol);
        return true;
    } catch (const DosyaHatası& hata) {
        etkileşim_.mesaj(hata.what());
        return false;
    }
}

void EserOturumu::farklıKaydet() {
    DosyaSeçimi seçim{eserSüzgeci, eserUzantısı, yol_.parent_path(), yol_.filename().string()};
    while (auto yol = etkileşim_.kaydedilecekDosya(seçim)) {
        if (yol->filename() != yol_.filename()) {
            if (satırıBırak()) kaydet(*yol);
            return;
        }
        etkileşim_.mesaj("Farklı bir eser adı belirleyin");
    }
}

bool EserOturumu::kapatılsınMı() {
    if (!açık()) return etkileşim_.mesaj("Bu proğramı kapatmak istiyormusunuz ?", {}, Düğmeler::evetHayır) == Cevap::evet;
    if (!satırıBırak()) return false;
    switch (etkileşim_.mesaj(kayıtSorusu, {}, Düğmeler::evetHayırVazgeç)) {
        case Cevap::evet: return dosyayaYaz();
        case Cevap::hayır: return true;
        default: return false;
    }
}

void EserOturumu::tercihleriKaydet() {
    TercihKaydı kayıt = tercihleriOku(çalışmaKlasörü_);
    TercihKaydı değerler = başlıktakiTercihler(eser_->başlık);
    değerler.ayrılmış = kayıt.ayrılmış;
    değerler.ayrılmışMetin = kayıt.ayrılmışMetin;
    try {
        tercihleriYaz(çalışmaKlasörü_, değerler);
    } catch (const DosyaHatası& hata) {
        etkileşim_.mesaj(hata.what());
    }
}

}  // namespace selvika

#include "core/startup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "core/file_io.h"

namespace selvika {

std::optional<TekÇalışmaKilidi> TekÇalışmaKilidi::al(const std::filesystem::path& programKlasörü) {
    int fd = ::open((programKlasörü / ".selvika.kilit").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        throw DosyaHatası("Selvika başlatılamadı. \"" + programKlasörü.string() +
                          "\" klasöründe kilit dosyası açılamadı: " + yazmaSebebi(errno) + ".");
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return std::nullopt;
    }
    return TekÇalışmaKilidi(fd);
}

TekÇalışmaKilidi::TekÇalışmaKilidi(TekÇalışmaKilidi&& öteki) noexcept : fd_(öteki.fd_) { öteki.fd_ = -1; }

TekÇalışmaKilidi::~TekÇalışmaKilidi() {
    if (fd_ >= 0) ::close(fd_);
}

const std::vector<std::string>& hatırlatmaListesi() {
    static const std::vector<std::string> liste = {
        "          K I S A   Y O L    T U Ş L A R I",
        "",
        "Sayısal tuş takımı (NumLock açık):",
        "  1 .. 7      64'lük, 32'lik, 16'lık, 8'lik, 4'lük, 2'lik, birlik nota",
        "  .           noktalı nota (aç / kapa)",
        "  +           kirişi bir kısa değere taşı",
        "  -           kiriş kısalığını kaydır",
        "  /           gurubu imleçten sonra böl",
        "  *           iki gurubu birleştir",
        "",
        "Harfler:",
        "  B  bemol döngüsü       D  diyez döngüsü      N  natürel",
        "  K  süreyi kısalt       U  süreyi uzat        E  notayı sus yap",
        "  H  hece bağla / çöz    C  sap yönünü çevir   G  gurubu çöz",
        "  L  yayları sil         O  dolabı sil         S  saz payını sil",
        "  A  arşe                M  mızrap             P  puadork / piçikato",
        "  T  tremolo             Y  yarım liezon",
        "",
        "Üst sıra rakamlar:",
        "  1       imleçte biten üç notayı triole yap / çöz",
        "  2 .. 9  imleçte biten o kadar elemanı gurupla",
        "",
        "F2 .. F12   imleçte biten 2 .. 12 elemana liezon (yay)",
        "",
        "Oklar:",
        "  Yukarı / Aşağı          notayı bir perde kaydır",
        "  Shift + Yukarı / Aşağı  gurubu bir perde kaydır",
        "  Ctrl + Yukarı / Aşağı   notayı bir oktav kaydır",
        "  Sol / Sağ               imleci kaydır",
        "  Home / End              satır başı / satır sonu",
        "",
        "Boşluk      satır sonuna ölçü çizgisi",
        "Delete      imleçteki elemanı sil",
        "",
        "Satır ve eser:",
        "  Ctrl + Enter            satırı kaydet",
        "  Ctrl + Z / Ctrl + Y     geri al / yinele",
        "  Ctrl + W                satırdan çık",
        "  Ctrl + G                satır numarasına git",
        "  Ctrl + PgUp / PgDn      önceki / sonraki satır",
        "  Ctrl + O / Ctrl + S     eser aç / eseri kaydet",
        "  Ctrl + Shift + S        farklı kaydet",
        "  Ctrl + Q                çıkış",
    };
    return liste;
}

}  // namespace selvika

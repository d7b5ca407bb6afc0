#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace selvika {

inline constexpr const char* zatenÇalışıyor = "Selvika zaten çalışıyor";
inline constexpr const char* ekranKüçük =
    " Ekran ayarlarınızın en az 1280x768 olması gerekiyor. proğramı kapatın, ekranda boş bir bölgeyi sağ "
    "tıklayın, özellikler / ayarlar sekmesine gidin.";
inline constexpr const char* ürünAdı = "Selvika 2018";
inline constexpr const char* yedekDosyası = "temp.001";

constexpr bool ekranYeterli(int genişlik, int yükseklik) { return genişlik >= 1280 && yükseklik >= 768; }

// One running program per working folder. The lock is the kernel's, held
// on a file in the folder: a program that crashes cannot leave it behind.
// `al` gives nothing while another program holds it, and throws DosyaHatası
// when the lock file cannot be made.
class TekÇalışmaKilidi {
public:
    static std::optional<TekÇalışmaKilidi> al(const std::filesystem::path& programKlasörü);
    TekÇalışmaKilidi(TekÇalışmaKilidi&& öteki) noexcept;
    TekÇalışmaKilidi& operator=(TekÇalışmaKilidi&&) = delete;
    ~TekÇalışmaKilidi();

private:
    explicit TekÇalışmaKilidi(int fd) : fd_(fd) {}
    int fd_;
};

// The keyboard summary of the reminder list ("Hatırlatma"), heading first.
const std::vector<std::string>& hatırlatmaListesi();

}  // namespace selvika

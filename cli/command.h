#pragma once

#include <span>
#include <string>
#include <string_view>

namespace selvika::cli {

// Exit statuses every command keeps to.
inline constexpr int başarılı = 0;
inline constexpr int reddedildi = 1;  // the file was refused or could not be read or written
inline constexpr int yanlışKullanım = 2;

struct Komut {
    std::string_view ad;
    std::string_view argümanlar;
    std::string_view açıklama;
    int (*çalıştır)(std::span<const std::string> argümanlar);
    std::size_t argümanSayısı;
    bool seçenekli = false;  // options may follow the arguments; the command checks them
};

std::span<const Komut> eserKomutları();
std::span<const Komut> icraKomutları();
std::span<const Komut> ritimKomutları();
std::span<const Komut> sayfaKomutları();
std::span<const Komut> planKomutları();
std::span<const Komut> aktarımKomutları();
std::span<const Komut> analizKomutları();
std::span<const Komut> içeAlmaKomutları();
std::span<const Komut> musicXmlKomutları();

}  // namespace selvika::cli

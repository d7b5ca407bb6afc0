#include "rhythm/usul_library.h"

#include <algorithm>

#include "core/file_io.h"

namespace selvika {
namespace {

constexpr std::size_t kayıtBoyu = packedSizeOf<UsulKaydı>;

bool boş(const UsulAdımı& a) { return a.birinciUzunluk + a.ikinciUzunluk == 0; }

std::string sağaBoşluk(int no) {
    if (no < 10) return std::string(6, ' ');
    if (no < 100) return std::string(4, ' ');
    return std::string(2, ' ');
}

}  // namespace

int desenUzunluğu(const UsulKaydı& kayıt) {
    for (int n = usulAdımSayısı; n >= 1; --n)
        if (!boş(kayıt.adımlar[n])) return n;
    return 0;
}

std::vector<UsulAdımı> desenAdımları(const UsulKaydı& kayıt) {
    auto başı = kayıt.adımlar.begin();
    return {başı, başı + desenUzunluğu(kayıt)};
}

std::string desenListesiMaddesi(int no, const UsulKaydı& kayıt) {
    return std::to_string(no) + sağaBoşluk(no) + std::to_string(kayıt.pay) + "/" + std::to_string(kayıt.payda) +
           "   " + kayıt.ad.utf8();
}

std::optional<UsulKütüphanesi> UsulKütüphanesi::aç(const std::filesystem::path& klasör) {
    auto yol = klasör / usulDosyasıAdı;
    if (!std::filesystem::is_regular_file(yol)) return std::nullopt;
    return UsulKütüphanesi(readFile(yol, kayıtBoyu * usulKayıtSayısı));
}

UsulKaydı UsulKütüphanesi::kayıt(int no) const {
    // A record the file holds only in part reads its missing bytes as zeros.
    std::vector<std::uint8_t> baytlar(kayıtBoyu, 0);
    std::size_t başı = kayıtBoyu * static_cast<std::size_t>(no - 1);
    if (başı < baytlar_.size()) {
        std::size_t kaç = std::min(kayıtBoyu, baytlar_.size() - başı);
        std::copy_n(baytlar_.begin() + static_cast<std::ptrdiff_t>(başı), kaç, baytlar.begin());
    }
    UsulKaydı k;
    PackReader(baytlar).read(k);
    return k;
}

std::vector<std::string> UsulKütüphanesi::desenListesi() const {
    std::vector<std::string> liste;
    for (int no = 1; no <= usulKayıtSayısı; ++no) liste.push_back(desenListesiMaddesi(no, kayıt(no)));
    return liste;
}

}  // namespace selvika

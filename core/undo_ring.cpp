#include "core/undo_ring.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <string_view>

#include "core/file_io.h"
#include "core/packing.h"
#include "core/record_sizes.h"

namespace selvika {
namespace {

static_assert(YedekHalkası::slotAdımı >= static_cast<long>(packedSizeOf<Satır>));

int sonraki(int slot) { return slot % YedekHalkası::slotSayısı + 1; }
int önceki(int slot) { return slot <= 1 ? YedekHalkası::slotSayısı : slot - 1; }

// The ring's identity at byte 0: a mark, the line number, the current slot,
// whether edits are not stored, then the score's path, its length first.
constexpr std::string_view kimlikİşareti = "SELVIKA-YEDEK-1";
constexpr std::size_t kimlikBaşı = kimlikİşareti.size() + 4 + 4 + 1 + 2;
constexpr std::size_t enUzunYol = YedekHalkası::slotAdımı - kimlikBaşı;

void koy(std::vector<std::uint8_t>& b, std::uint32_t değer, int bayt) {
    for (int i = 0; i < bayt; ++i) b.push_back(static_cast<std::uint8_t>(değer >> (8 * i)));
}

std::uint32_t al(const std::uint8_t* p, int bayt) {
    std::uint32_t değer = 0;
    for (int i = 0; i < bayt; ++i) değer |= std::uint32_t(p[i]) << (8 * i);
    return değer;
}

}  // namespace

std::string kurtarmaSorusu(const KurtarılanSatır& k) {
    return "Selvika geçen sefer kapatılmadan sona erdi. \"" + k.eser.filename().string() + "\" eserinin " +
           std::to_string(k.satırNo) +
           ". satırında kaydedilmemiş değişiklikler kaldı.\nSatırın son hali geri getirilsin mi?";
}

YedekHalkası::YedekHalkası(std::filesystem::path dosya) : dosya_(std::move(dosya)) {
    fd_ = ::open(dosya_.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd_ < 0) throw DosyaHatası("\"" + dosya_.string() + "\" açılamadı; satır yedekleri tutulamaz.");
}

YedekHalkası::~YedekHalkası() {
    ::close(fd_);
    ::unlink(dosya_.c_str());
}

void YedekHalkası::yeniSatır(const Satır& tampon) {
    konum_ = 0;
    geriSayısı_ = ileriSayısı_ = 0;
    yedekle(tampon);
    geriSayısı_ = 0;
}

void YedekHalkası::yedekle(const Satır& tampon) {
    konum_ = sonraki(konum_);
    yaz(konum_, tampon);
    if (geriSayısı_ < enFazlaGeriAlma) ++geriSayısı_;
    if (ileriSayısı_ > 0) --ileriSayısı_;
    kimliğiYaz();
}

void YedekHalkası::satırıTanıt(const std::filesystem::path& eser, int satırNo) {
    eser_ = eser;
    satırNo_ = satırNo;
    kaydedilmemiş_ = false;
    kimliğiYaz();
}

void YedekHalkası::kaydedilmemiş(bool var) {
    kaydedilmemiş_ = var;
    kimliğiYaz();
}

// A lost identity only costs the recovery, never the edit: errors are not
// reported.
void YedekHalkası::kimliğiYaz() {
    const std::string yol = eser_.string().substr(0, enUzunYol);
    std::vector<std::uint8_t> b(kimlikİşareti.begin(), kimlikİşareti.end());
    koy(b, std::uint32_t(satırNo_), 4);
    koy(b, std::uint32_t(konum_), 4);
    koy(b, kaydedilmemiş_, 1);
    koy(b, std::uint32_t(yol.size()), 2);
    b.insert(b.end(), yol.begin(), yol.end());
    [[maybe_unused]] auto yazılan = ::pwrite(fd_, b.data(), b.size(), 0);
}

std::optional<KurtarılanSatır> YedekHalkası::kurtar(const std::filesystem::path& dosya) {
    const int fd = ::open(dosya.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::vector<std::uint8_t> b(slotAdımı * (slotSayısı + 1));
    const ssize_t okunan = ::pread(fd, b.data(), b.size(), 0);
    ::close(fd);
    if (okunan < static_cast<ssize_t>(kimlikBaşı) || std::memcmp(b.data(), kimlikİşareti.data(), kimlikİşareti.size()) != 0)
        return std::nullopt;
    const std::uint8_t* p = b.data() + kimlikİşareti.size();
    KurtarılanSatır k;
    k.satırNo = int(al(p, 4));
    const int slot = int(al(p + 4, 4));
    const bool kaydedilmemiş = p[8] != 0;
    const std::size_t uzunluk = al(p + 9, 2);
    const std::size_t snapshotSonu = std::size_t(slot) * slotAdımı + packedSizeOf<Satır>;
    if (!kaydedilmemiş || k.satırNo < 1 || k.satırNo > satırSayısı || slot < 1 || slot > slotSayısı ||
        uzunluk == 0 || kimlikBaşı + uzunluk > std::size_t(okunan) || snapshotSonu > std::size_t(okunan))
        return std::nullopt;
    k.eser = std::string(reinterpret_cast<const char*>(b.data() + kimlikBaşı), uzunluk);
    PackReader(b, std::size_t(slot) * slotAdımı).read(k.satır);
    k.satır.elemanSayısı = std::min<Byte>(k.satır.elemanSayısı, sonElemanYuvası - 1);
    return k;
}

void YedekHalkası::geriAl(Satır& tampon) {
    if (!geriAlınabilir()) return;
    konum_ = önceki(konum_);
    oku(konum_, tampon);
    --geriSayısı_;
    ++ileriSayısı_;
    kimliğiYaz();
}

void YedekHalkası::yinele(Satır& tampon) {
    if (!yinelenebilir()) return;
    konum_ = sonraki(konum_);
    oku(konum_, tampon);
    ++geriSayısı_;
    --ileriSayısı_;
    kimliğiYaz();
}

void YedekHalkası::yaz(int slot, const Satır& tampon) {
    auto baytlar = pack(tampon);
    if (::pwrite(fd_, baytlar.data(), baytlar.size(), slot * slotAdımı) != static_cast<ssize_t>(baytlar.size()))
        throw DosyaHatası("\"" + dosya_.string() + "\" dosyasına satır yedeği yazılamadı.");
}

void YedekHalkası::oku(int slot, Satır& tampon) const {
    std::vector<std::uint8_t> baytlar(packedSizeOf<Satır>);
    if (::pread(fd_, baytlar.data(), baytlar.size(), slot * slotAdımı) != static_cast<ssize_t>(baytlar.size()))
        throw DosyaHatası("\"" + dosya_.string() + "\" dosyasından satır yedeği okunamadı.");
    PackReader(baytlar).read(tampon);
}

}  // namespace selvika

#include "core/undo_ring.h"

#include <fcntl.h>
#include <unistd.h>

#include "core/file_io.h"
#include "core/packing.h"
#include "core/record_sizes.h"

namespace selvika {
namespace {

static_assert(YedekHalkası::slotAdımı >= static_cast<long>(packedSizeOf<Satır>));

int sonraki(int slot) { return slot % YedekHalkası::slotSayısı + 1; }
int önceki(int slot) { return slot <= 1 ? YedekHalkası::slotSayısı : slot - 1; }

}  // namespace

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
}

void YedekHalkası::geriAl(Satır& tampon) {
    if (!geriAlınabilir()) return;
    konum_ = önceki(konum_);
    oku(konum_, tampon);
    --geriSayısı_;
    ++ileriSayısı_;
}

void YedekHalkası::yinele(Satır& tampon) {
    if (!yinelenebilir()) return;
    konum_ = sonraki(konum_);
    oku(konum_, tampon);
    ++geriSayısı_;
    --ileriSayısı_;
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

#include "audio/tuned_note_map.h"

#include <bit>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

namespace selvika {

// The file holds 16-bit little-endian samples, read in place as Integers.
static_assert(std::endian::native == std::endian::little);

AkortluNotaHaritası::AkortluNotaHaritası(const AkortluNotaDeposu& depo) : depo_(depo) {
    const int dosya = ::open(depo.dosya().c_str(), O_RDONLY);
    if (dosya < 0) return;
    const off_t boy = ::lseek(dosya, 0, SEEK_END);
    if (boy > 0) {
        void* adres = ::mmap(nullptr, static_cast<std::size_t>(boy), PROT_READ, MAP_PRIVATE, dosya, 0);
        if (adres != MAP_FAILED) {
            adres_ = adres;
            boy_ = static_cast<std::size_t>(boy);
        }
    }
    ::close(dosya);
}

AkortluNotaHaritası::~AkortluNotaHaritası() {
    if (adres_) ::munmap(adres_, boy_);
}

std::span<const Integer> AkortluNotaHaritası::nota(int kÜssü, int kayma, int saz) const {
    const NotaYeri yer = depo_.yeri(kÜssü, kayma, saz);
    const auto baş = static_cast<std::size_t>(yer.konum - 1), uzunluk = static_cast<std::size_t>(yer.uzunluk);
    if (yer.uzunluk <= 0 || baş + uzunluk > boy_) return {};
    return {reinterpret_cast<const Integer*>(static_cast<const char*>(adres_) + baş), uzunluk / 2};
}

}  // namespace selvika

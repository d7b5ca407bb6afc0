#include "audio/playback.h"

#include <algorithm>
#include <cmath>

namespace selvika {

void Çalıcı::başlat(const std::filesystem::path& dosya, double süreMs) {
    durum_ = ÇalmaDurumu::çalıyor;
    süreMs_ = süreMs;
    çıkış_.kapat();
    if (çıkış_.aç(dosya)) çıkış_.çal(0);
    zamanlayıcı_.kur(std::lround(süreMs));
}

void Çalıcı::duraklatVeyaSürdür() {
    if (durum_ == ÇalmaDurumu::çalıyor) {
        çıkış_.duraklat();
        zamanlayıcı_.kaldır();
        durum_ = ÇalmaDurumu::duraklamış;
    } else if (durum_ == ÇalmaDurumu::duraklamış) {
        zamanlayıcı_.kur(std::max(0L, std::lround(süreMs_ - static_cast<double>(çıkış_.konum()))));
        çıkış_.sürdür();
        durum_ = ÇalmaDurumu::çalıyor;
    }
}

void Çalıcı::durdur() {
    çıkış_.kapat();
    zamanlayıcı_.kaldır();
    durum_ = ÇalmaDurumu::durmuş;
}

double Çalıcı::ilerleme() const {
    if (durum_ == ÇalmaDurumu::durmuş || süreMs_ <= 0) return 0;
    return std::clamp(static_cast<double>(çıkış_.konum()) / süreMs_, 0.0, 1.0);
}

}  // namespace selvika

#include "app/thread_interaction.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <type_traits>

namespace selvika {

// Runs `iş` in the window's thread and hands back what it returns.
template <class F>
auto İplikArasıEtkileşim::orada(F iş) {
    using Sonuç = decltype(iş());
    if (QThread::currentThread() == bağlam_.thread()) return iş();
    if constexpr (std::is_void_v<Sonuç>) {
        QMetaObject::invokeMethod(&bağlam_, iş, Qt::BlockingQueuedConnection);
    } else {
        Sonuç sonuç{};
        QMetaObject::invokeMethod(&bağlam_, [&] { sonuç = iş(); }, Qt::BlockingQueuedConnection);
        return sonuç;
    }
}

void İplikArasıEtkileşim::ikazYaz(std::string_view metin) {
    orada([&] { asıl_.ikazYaz(metin); });
}

Cevap İplikArasıEtkileşim::mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) {
    return orada([&] { return asıl_.mesaj(metin, başlık, düğmeler); });
}

std::optional<std::string> İplikArasıEtkileşim::girdi(std::string_view soru, std::string_view başlık,
                                                      std::string_view varsayılan) {
    return orada([&] { return asıl_.girdi(soru, başlık, varsayılan); });
}

std::optional<std::filesystem::path> İplikArasıEtkileşim::açılacakDosya(const DosyaSeçimi& seçim) {
    return orada([&] { return asıl_.açılacakDosya(seçim); });
}

std::optional<std::filesystem::path> İplikArasıEtkileşim::kaydedilecekDosya(const DosyaSeçimi& seçim) {
    return orada([&] { return asıl_.kaydedilecekDosya(seçim); });
}

}  // namespace selvika

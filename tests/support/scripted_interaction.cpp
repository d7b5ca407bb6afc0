#include "tests/support/scripted_interaction.h"

#include <gtest/gtest.h>

namespace selvika::test {
namespace {

template <class T>
T sıradaki(std::deque<T>& sıra, std::string_view ne, T yoksa) {
    if (sıra.empty()) {
        ADD_FAILURE() << "no scripted answer left for: " << ne;
        return yoksa;
    }
    T cevap = std::move(sıra.front());
    sıra.pop_front();
    return cevap;
}

}  // namespace

void SenaryoluEtkileşim::ikazYaz(std::string_view metin) { ikazlar.emplace_back(metin); }

Cevap SenaryoluEtkileşim::mesaj(std::string_view metin, std::string_view başlık, Düğmeler düğmeler) {
    mesajlar.push_back({std::string(metin), std::string(başlık), düğmeler});
    mesajDururken(metin);
    if (düğmeler == Düğmeler::tamam) return Cevap::tamam;
    return sıradaki(cevaplar, metin, Cevap::vazgeç);
}

std::optional<std::string> SenaryoluEtkileşim::girdi(std::string_view soru, std::string_view başlık,
                                                    std::string_view) {
    mesajlar.push_back({std::string(soru), std::string(başlık), Düğmeler::tamamVazgeç});
    return sıradaki(girdiler, soru, std::optional<std::string>{});
}

std::optional<std::filesystem::path> SenaryoluEtkileşim::açılacakDosya(const DosyaSeçimi& seçim) {
    dosyaSeçimleri.push_back(seçim);
    return sıradaki(dosyalar, "open dialog", std::optional<std::filesystem::path>{});
}

std::optional<std::filesystem::path> SenaryoluEtkileşim::kaydedilecekDosya(const DosyaSeçimi& seçim) {
    dosyaSeçimleri.push_back(seçim);
    return sıradaki(dosyalar, "save dialog", std::optional<std::filesystem::path>{});
}

std::vector<std::string> SenaryoluEtkileşim::metinler() const {
    std::vector<std::string> m;
    for (const auto& mesaj : mesajlar) m.push_back(mesaj.metin);
    return m;
}

}  // namespace selvika::test

#include "interchange/symbtr_rows.h"

#include <array>
#include <charconv>
#include <optional>
#include <sstream>

namespace selvika {
namespace {

enum Sütun { sira, kod, notaAE, komaAE, pay, payda, soz1, offset, sütunSayısı };
constexpr std::array<std::string_view, sütunSayısı> sütunAdları = {"Sira", "Kod",   "NotaAE", "KomaAE",
                                                                   "Pay",  "Payda", "Soz1",   "Offset"};

std::vector<std::string> böl(const std::string& satır) {
    std::vector<std::string> alanlar;
    std::size_t baş = 0;
    for (std::size_t son; (son = satır.find('\t', baş)) != std::string::npos; baş = son + 1)
        alanlar.push_back(satır.substr(baş, son - baş));
    alanlar.push_back(satır.substr(baş));
    return alanlar;
}

std::optional<int> tamsayı(std::string_view s) {
    int değer = 0;
    auto [son, hata] = std::from_chars(s.data(), s.data() + s.size(), değer);
    if (hata != std::errc{} || son != s.data() + s.size()) return std::nullopt;
    return değer;
}

std::optional<double> ondalık(const std::string& s) {
    std::istringstream girdi(s);
    girdi.imbue(std::locale::classic());
    double değer = 0;
    if (!(girdi >> değer)) return std::nullopt;
    return değer;
}

void satırSonunuKırp(std::string& s) {
    while (!s.empty() && (s.back() == '\r' || s.back() == '\n')) s.pop_back();
}

}  // namespace

std::vector<SymbTrSatırı> symbTrSatırlarınıOku(std::istream& girdi, İçeAlmaRaporu& rapor) {
    std::vector<SymbTrSatırı> satırlar;
    std::string satır;
    if (!std::getline(girdi, satır)) return satırlar;
    if (satır.starts_with("\xEF\xBB\xBF")) satır.erase(0, 3);
    satırSonunuKırp(satır);
    const std::vector<std::string> başlıklar = böl(satır);
    std::array<std::size_t, sütunSayısı> yer{};
    for (std::size_t s = 0; s < sütunSayısı; ++s) {
        yer[s] = başlıklar.size();
        for (std::size_t i = 0; i < başlıklar.size(); ++i)
            if (başlıklar[i] == sütunAdları[s]) yer[s] = i;
        if (yer[s] == başlıklar.size()) {
            rapor.genel("SymbTr sütunu bulunamadı: " + std::string(sütunAdları[s]));
            return {};
        }
    }
    for (int satırNo = 2; std::getline(girdi, satır); ++satırNo) {
        satırSonunuKırp(satır);
        if (satır.empty()) continue;
        std::vector<std::string> a = böl(satır);
        a.resize(std::max(a.size(), başlıklar.size()));
        const auto sıraNo = tamsayı(a[yer[sira]]);
        const auto kodNo = tamsayı(a[yer[kod]]);
        const auto koma = tamsayı(a[yer[komaAE]]);
        const auto p = tamsayı(a[yer[pay]]);
        const auto q = tamsayı(a[yer[payda]]);
        const auto o = ondalık(a[yer[offset]]);
        if (!sıraNo || !kodNo || !koma || !p || !q || !o) {
            rapor.sıra(sıraNo.value_or(satırNo - 1), "okunamadı");
            continue;
        }
        satırlar.push_back({*sıraNo, *kodNo, a[yer[notaAE]], *koma, *p, *q, a[yer[soz1]], *o});
    }
    return satırlar;
}

}  // namespace selvika

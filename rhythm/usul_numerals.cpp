#include "rhythm/usul_numerals.h"

#include <array>
#include <string>
#include <utility>

#include "rhythm/durations.h"

namespace selvika {
namespace {

struct UsulRakamı {
    std::string pay;
    std::string payda;
    std::string başlık;
};

struct UsulTanımı {
    int pay;
    int payda;
    std::string_view başlık;
};

// The small usuls, codes 0..27, then the two five-beat ones at 54 and 55.
constexpr UsulTanımı küçükUsuller[] = {
    {2, 8, "2/8  nimsofyan-1"},      {2, 4, "2/4 nimsofyan-2"},        {3, 8, "3/8 semai-1"},
    {3, 4, "3/4 semai-2"},           {4, 8, "4/8 sofyan-1"},           {4, 4, "4/4 sofyan-2"},
    {5, 8, "5/8 türkaksağı"},        {6, 8, "6/8 yürük semai"},        {6, 4, "6/4 sengin semai"},
    {6, 2, "6/2 ağır sengin semai"}, {7, 8, "7/8 devri-hindî - 1"},    {7, 4, "7/4 devri-hindî - 2"},
    {8, 8, "8/8 düyek"},             {8, 4, "8/4 ağır düyek"},         {9, 16, "9/16 yürük aksak "},
    {9, 8, "9/8 aksak"},             {9, 4, "9/4 ağır aksak"},         {10, 16, "10/16 curcuna"},
    {10, 8, "10/8 aksak semai"},     {10, 4, "10/4 ağır aksak semai"}, {11, 8, "11/8 tek vuruş"},
    {12, 8, "12/8 frenkçin"},        {12, 4, "12/4"},                  {12, 2, "12/2"},
    {13, 8, "13/8 nim evsat"},       {13, 4, "13/4 "},                 {14, 8, "14/8 devr-i revan"},
    {15, 8, "15/8 raksan"},
};
constexpr UsulTanımı beşliler[] = {{5, 4, "5/4 A. Türk Aksağı"}, {5, 4, "devri süreyya"}};

// The large usuls come in pairs, numerator over 8 then over 4; a few carry
// their name.
constexpr int büyükPaylar[] = {16, 18, 20, 21, 22, 24, 26, 28, 32, 48, 64, 88, 120};
constexpr std::pair<int, std::string_view> büyükAdlar[] = {
    {47, " sakil"}, {48, " havi"}, {50, " darb-ı fetih"}, {52, " zencir"}};

std::string_view büyükAd(int kod) {
    for (const auto& [k, ad] : büyükAdlar)
        if (k == kod) return ad;
    return {};
}

UsulRakamı rakam(int pay, int payda, std::string_view başlık) {
    return {std::to_string(pay), std::to_string(payda), std::string(başlık)};
}

std::array<UsulRakamı, usulSayısı> tabloyuKur() {
    std::array<UsulRakamı, usulSayısı> tablo;
    int kod = 0;
    for (const auto& s : küçükUsuller) tablo[kod++] = rakam(s.pay, s.payda, s.başlık);
    for (int pay : büyükPaylar) {
        for (int payda : {8, 4}) {
            std::string kesir = std::to_string(pay) + "/" + std::to_string(payda);
            tablo[kod] = rakam(pay, payda, kesir + std::string(büyükAd(kod)));
            ++kod;
        }
    }
    for (const auto& s : beşliler) tablo[kod++] = rakam(s.pay, s.payda, s.başlık);
    return tablo;
}

const UsulRakamı* bul(int usulNo) {
    static const auto tablo = tabloyuKur();
    if (usulNo < 0 || usulNo >= usulSayısı) return nullptr;
    return &tablo[static_cast<std::size_t>(usulNo)];
}

}  // namespace

std::string_view Pay(int usulNo) { return bul(usulNo) ? std::string_view(bul(usulNo)->pay) : ""; }

std::string_view payda(int usulNo) { return bul(usulNo) ? std::string_view(bul(usulNo)->payda) : ""; }

std::string_view usulBaşlığı(int usulNo) {
    return bul(usulNo) ? std::string_view(bul(usulNo)->başlık) : "";
}

Integer mezürzam(int usulNo) {
    if (usulNo < 0 || usulNo > sonMezürlüUsul) return 0;
    const UsulTanımı& s = küçükUsuller[usulNo];
    return static_cast<Integer>(s.pay * birlikBirim / s.payda);
}

}  // namespace selvika

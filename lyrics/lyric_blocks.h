#pragma once

#include <string>
#include <string_view>

#include "core/header.h"

namespace selvika {

inline constexpr int güfteUzunluğu = 250;
inline constexpr int güfteBloğuSayısı = 6;

// The caption of the dialog of block n.
std::string güfteBaşlığı(int n);

// The two counters under the text box while typing.
std::string yazılanHarfSayısı(std::string_view metin);
std::string kalanBoşlukSayısı(std::string_view metin);

// OK of the dialog: the trimmed text (cut to 250 characters) and the page
// (1..20) into block n.
void güfteyiKaydet(EserBaşlık& başlık, int n, std::string_view metin, int sayfa);

}  // namespace selvika

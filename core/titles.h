#pragma once

#include <string_view>

#include "core/header.h"

namespace selvika {

inline constexpr int başlıkSayısı = 9;
inline constexpr int başlıkUzunluğu = 50;

// Where a title stands across the page: 1..3 centred, 4..6 at the left,
// 7..9 at the right.
enum class BaşlıkHizası { ortada, solda, sağda };
constexpr BaşlıkHizası başlıkHizası(int başlık) {
    return başlık <= 3 ? BaşlıkHizası::ortada : başlık <= 6 ? BaşlıkHizası::solda : BaşlıkHizası::sağda;
}

// What each title record is for, as the title dialog names it. Under the
// centred name of the piece its form and a free note; the makam, usul and
// tempo down the left, as a sheet gives them above the first line; the
// composer, the lyricist and who wrote it down on the right. A score may use
// any record for anything: the names only guide.
const char* başlıkAdı(int başlık);

// The dialog's OK for title t: its text trimmed and cut to 50 characters.
void başlığıYaz(EserBaşlık& başlık, int t, std::string_view metin);

// Title t's y on page `sayfa`, kept on the page.
void başlıkYüksekliğiniYaz(EserBaşlık& başlık, int sayfa, int t, int y);

}  // namespace selvika

#pragma once

#include <string_view>

#include "core/widths.h"

namespace selvika {

inline constexpr int perdeSayısı = 29;
inline constexpr int enTizPerde = 1;   // Tiz Muhayyer
inline constexpr int enPestPerde = 29;  // K.K.Dügah
inline constexpr int enBüyükArıza = 8;
inline constexpr Integer bekar = 15;    // the natural sign as an accidental

// The letters of key signatures, in the order their records keep them.
enum class Harf { sol, fa, mi, re, do_, si, la };
inline constexpr int harfSayısı = 7;

// The letter of degree p: degrees seven apart share it.
constexpr Harf harfi(int p) { return static_cast<Harf>((p % 7 + 5) % 7); }

// The solfège syllable a letter is sung and named by: "sol", "fa", ...
std::string_view harfAdı(Harf h);

// The koma position of degree p (1..29) without an accidental, counted
// downward: one octave is 53 koma.
constexpr int doğalKoma(int p) {
    constexpr int ilkOktav[] = {9, 18, 27, 31, 40, 49, 53};
    return ilkOktav[(p - 1) % 7] + 53 * ((p - 1) / 7);
}

// The koma position of degree p raised by `arıza` koma (negative lowers);
// accidentals beyond ±8 never reach a note, and are held to that range.
constexpr int komaKonumu(int arıza, int p) {
    if (arıza > enBüyükArıza) arıza = enBüyükArıza;
    if (arıza < -enBüyükArıza) arıza = -enBüyükArıza;
    return doğalKoma(p) - arıza;
}

std::string_view perdeAdı(int p);

// " Çeşni yok " for 0, the locative of degree p for 1..29 (24 characters).
std::string_view çeşniEtiketi(int i);

}  // namespace selvika

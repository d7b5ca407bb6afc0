#pragma once

#include <string_view>

#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

// The title of the check's boxes: the program's executable name.
inline constexpr std::string_view programAdı = "selvika";

inline constexpr std::string_view büyükUsulMesajı = "büyük usullerin mezür kontrolü manuel yapılmalıdır.";
inline constexpr std::string_view usulRakamıHatası =
    "usul rakamlarında hata bulundu. Mezür kontrolü iptal edilecek.";
inline constexpr std::string_view usulBilinmiyor = "usul bilinmiyor. Mezür kontrolü iptal edilecek.";
inline constexpr std::string_view kontrolÖzeti = " satır kotrol edildi, başka mezür hatası bulunmadı.";

// "Mezür kontrol": adds up every measure of the score against its usul and
// reports each one that is short or long; the score is not changed.
void Mn_mezür_Click(const Eser& eser, Etkileşim& etkileşim);

}  // namespace selvika

#pragma once

#include <optional>
#include <string>

#include "core/header.h"
#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* donanımSorusuBaşlığı = "SELVİKA-Donanım";
inline constexpr const char* kullanıcıDonanımıYok = "kullanıcı tanımlı donanım yok";
inline constexpr const char* makamSeçin = "bir makam seçin";

// Choosing "KULLANICI TANIMLI" in the makam list asks whether to define or
// change the score's signature; true when the user wants the dialog.
bool kullanıcıDonanımıDüzenlensinMi(const KullanıcıDonanımı& kullanıcı, Etkileşim& etkileşim);

// A key-signature element of the chosen makam, for the palette to place;
// nothing without a makam or without the user-defined signature it names,
// which is told.
std::optional<Eleman> donanımElemanı(std::optional<Byte> seçilenKod, const KullanıcıDonanımı& kullanıcı,
                                     Etkileşim& etkileşim);

}  // namespace selvika

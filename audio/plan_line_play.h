#pragma once

#include "core/header.h"

namespace selvika {

inline constexpr const char* satırPasajıAdı = "Satır";

// The record that plays the current line keeps its settings once it is
// named "Satır"; any other takes the line-play defaults.
void satırPasajınıHazırla(EserBaşlık& başlık);

}  // namespace selvika

#pragma once

#include <string>

#include "core/passage.h"

namespace selvika {

// How the property list shows a passage's values.
std::string sazAdı(const Text<5>& kod);  // "Bip sesi", "Kanun", …, "Yok"; an unknown code as it is
std::string ritimSazıAdı(const Text<5>& kod);  // "Bendir", "Def", …, "Yok"
std::string birimNotaAdı(int birimNota);  // "Dörtlük", "Sekizlik", "Onaltılık"
std::string metronomKipiAdı(int kip);  // "sabit", "lineer", "azalan", "artan"
std::string kanalYazısı(int kanal);  // "    Kanallar : 0  " to "    Kanallar : 0-3"
std::string göçürümYazısı(int göçürüm);  // the ahenk's name, or the komas

}  // namespace selvika

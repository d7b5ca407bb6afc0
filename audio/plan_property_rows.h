#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "audio/cesni.h"
#include "core/passage.h"

namespace selvika {

// The rows of the property list: `PasajGöster` for a passage, rows 0 to 28
// with each property at the row `planSatırı` gives it; `usulAdı` names the
// passage's usul pattern.
std::vector<std::string> pasajSatırları(const Pasaj& p, const PasajDeğeri& çeşni, std::string_view usulAdı,
                                        const CinsKütüphanesi& cinsler);

// `PasajGösterSatır`: the line-play record's rows, as `satırKipiSatırı` reads them.
std::vector<std::string> satırPasajıSatırları(const Pasaj& p);

}  // namespace selvika

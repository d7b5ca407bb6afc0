#pragma once

#include <nlohmann/json.hpp>

#include "core/score.h"

namespace selvika::cli {

using Json = nlohmann::ordered_json;

// The whole score as `selvika-cli dump` prints it.
Json eserJson(const Eser& eser);

// One passage record, and passages 1 to the count each with its çeşni.
Json pasajJson(const Pasaj& p);
Json pasajlarJson(const EserBaşlık& başlık);

}  // namespace selvika::cli

#pragma once

#include <nlohmann/json.hpp>

#include "core/score.h"

namespace selvika::cli {

using Json = nlohmann::ordered_json;

// The whole score as `selvika-cli dump` prints it.
Json eserJson(const Eser& eser);

}  // namespace selvika::cli

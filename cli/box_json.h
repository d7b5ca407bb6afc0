#pragma once

#include <nlohmann/json.hpp>
#include <vector>

#include "render/box_check.h"

namespace selvika::cli {

// {"pages": [{"page", "width", "height", "items": [{"kind", "line",
// "element", "box": [x0, y0, x1, y1]}]}]}
nlohmann::ordered_json kutularJson(const std::vector<SayfaKutuları>& sayfalar);

// {"boxes", "problems": {kind: count}, "collisions": {"kind/kind": count},
// "examples": [{"problem", "page", "line", "element", "kind", "box",
// "other": {...}}]}
nlohmann::ordered_json denetimJson(const DenetimSonucu& sonuç);

}  // namespace selvika::cli

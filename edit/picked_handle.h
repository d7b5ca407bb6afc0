#pragma once

#include <variant>

#include "edit/element_labels.h"
#include "edit/slur_handles.h"

namespace selvika {

// What the mouse picked in a fine-positioning view for the arrow keys to
// move: a slur handle or an element's label.
using Tutamak = std::variant<YayTutamağı, EtiketTutamağı>;

bool tutamakGeçerli(const Satır& satır, const Tutamak& tutamak);

// One arrow step of dx, dy units: a slur handle follows the vertical part,
// a label the horizontal one.
void tutamağıTaşı(Satır& satır, const Tutamak& tutamak, int dx, int dy);

}  // namespace selvika

#pragma once

#include "core/interaction.h"
#include "core/line.h"
#include "edit/edit_mode.h"
#include "edit/element_clipboard.h"

namespace selvika {

inline constexpr const char* tekElemanaDolap = "tek eleman üzerine dolap konulamaz.";

// The range a mouse drag covers: from the first element under the press to
// the last element under the release; nothing when either lies beside every
// element.
std::optional<SeçiliAralık> sürüklenenAralık(const Satır& satır, int basX, int bırakX);

// A span marked by a drag in crescendo, syllable or dolap mode: 1 at its
// first element, 2 between, 3 at its last. A refusal is told through the
// warning line and leaves the line as it was; true when marked.
bool aralıkİşaretle(Satır& satır, DüzenModu mod, int basX, int bırakX, Etkileşim& etkileşim);

}  // namespace selvika

#pragma once

#include <optional>

#include "audio/flat_notes.h"
#include "core/interaction.h"
#include "core/score.h"

namespace selvika {

// Entering performance mode (`Mn_icra_Click`): refused while the first line
// holds fewer than 10 elements; otherwise the flat note table with every
// passage placed at its marks, checked, and the melodic directions found.
std::optional<Notalar> icraPlanıKur(Eser& eser, Etkileşim& etkileşim);

// After a score is opened: score files do not carry the passage marks, so
// they are written from the plan, and the line-play record gets its
// defaults unless it has its own.
void açılanEserinPlanı(Eser& eser, Etkileşim& etkileşim);

}  // namespace selvika

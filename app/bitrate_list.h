#pragma once

#include <optional>
#include <vector>

class QWidget;

namespace selvika {

// The list `lstBitrate` of the bit rates (kbit/s) the MP3 encoder offers;
// the one chosen, or nothing when the user cancels.
std::optional<int> bitHızıSeç(const std::vector<int>& hızlar, QWidget* ebeveyn);

}  // namespace selvika

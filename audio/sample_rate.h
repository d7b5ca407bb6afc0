#pragma once

namespace selvika {

// Every sound of the program: signed 16-bit mono samples at 44100 Hz.
inline constexpr int örneklemeHızı = 44100;

}  // namespace selvika

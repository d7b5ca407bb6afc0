#pragma once

namespace selvika {

// ALSA lists every device it probes and misses on standard error; the user
// hears of a missing output once, in the program's own words.
void alsaUyarılarınıSustur();

}  // namespace selvika

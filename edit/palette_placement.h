#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* gurupİçineGiremez = "gurup içine giremez";
inline constexpr const char* trioleİçineGiremez = "Triole içine giremez";
inline constexpr const char* ikinciDonanım = "burada zaten bir donanım var";
inline constexpr const char* ikinciUsul = "burada zaten bir usul var";

enum class Yerleştirme { yerleşti, reddedildi, elemanÜstünde };

// A palette element placed with the mouse (note mode) into the gap that was
// clicked; later elements shift right. A click on an element places
// nothing, so that it can select the element. A key signature or an usul
// numeral beside another of its kind would be a second one in one place and
// is refused. A refusal is told through the warning line.
Yerleştirme paletElemanıYerleştir(Satır& satır, const Eleman& yeni, int fareX, Etkileşim& etkileşim);

}  // namespace selvika

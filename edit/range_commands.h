#pragma once

#include <span>

#include "core/line_editor.h"
#include "edit/element_clipboard.h"

namespace selvika {

enum class AralıkKomutu { sil, kop, taşı, tam, yarım, kanal0, kanal1, kanal2, kanal3 };

// One button of the range control array `Command22`: its index and caption.
struct AralıkDüğmesi {
    int indeks;
    const char* başlık;
    AralıkKomutu komut;
};

std::span<const AralıkDüğmesi> aralıkDüğmeleri();

// A range button on the selected range of the buffer, then the snapshot.
// Nothing happens when the range is not within the line.
void Command22_Click(SatırEditörü& editör, ElemanPanosu& pano, SeçiliAralık aralık, AralıkKomutu komut);

}  // namespace selvika

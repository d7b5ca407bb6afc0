#pragma once

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* seçimYok = "yapıştırılacak bir seçim bulunamadı";
inline constexpr const char* sığmıyor = "yapıştırılacak sesler bu satıra sığmıyor.";
inline constexpr const char* boşBölgeDeğil = "fareyi boş bir bölgede tutun";
inline constexpr const char* gurupArası = "gurup arasına yapıştıramazsınız";

// A range of elements of the line being edited, first..last.
struct SeçiliAralık {
    int ilk = 0;
    int son = 0;

    bool geçerli(const Satır& satır) const { return ilk >= 1 && ilk <= son && son <= satır.elemanSayısı; }
    int adet() const { return son - ilk + 1; }
};

// The elements the range buttons copied, held in a scratch line as 1..n;
// while `hazır` is set the editing area shows the paste pointer.
struct ElemanPanosu {
    Satır satır;
    int n = 0;
    bool hazır = false;
};

// `GurupTemizle`: cancels every span that enters the range from the left
// or leaves it to the right, so that no span is cut in half.
void GurupTemizle(Satır& satır, SeçiliAralık aralık);

// Copies the range into the clipboard and marks it ready.
void panoyaKopyala(const Satır& satır, SeçiliAralık aralık, ElemanPanosu& pano);

// `yapıştır`: the clipboard into the gap under the mouse. A refusal is told
// through the warning line and leaves the line as it was; true when pasted.
bool yapıştır(Satır& satır, const ElemanPanosu& pano, int fareX, Etkileşim& etkileşim);

}  // namespace selvika

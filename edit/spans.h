#pragma once

#include "core/line.h"

namespace selvika {

// The marks that span several elements: 1 where the span starts, 2 inside,
// 3 where it ends.
enum class Aralık { yay1, yay2, yay3, yay4, kresendo, dolap, saz, heceÇizgi };

inline constexpr Aralık tümAralıklar[] = {Aralık::yay1,     Aralık::yay2,  Aralık::yay3, Aralık::yay4,
                                          Aralık::kresendo, Aralık::dolap, Aralık::saz,  Aralık::heceÇizgi};

constexpr Aralık yayAralığı(int katman) { return static_cast<Aralık>(katman - 1); }

Byte& aralıkİşareti(Eleman& e, Aralık aralık);
Byte aralıkİşareti(const Eleman& e, Aralık aralık);

// Cancels the span through element j: from a start or inside mark forward
// to its end, from an inside or end mark back to its start. A crescendo
// loses its whole block. Nothing happens when j carries no mark.
void aralığıİptalEt(Satır& satır, int j, Aralık aralık);

// `yayiptal` for one layer, `kresendoiptal`, `dolapiptal`, `saziptal`,
// `hececiziptal`.
inline void yayiptal(Satır& s, int j, int katman) { aralığıİptalEt(s, j, yayAralığı(katman)); }
inline void kresendoiptal(Satır& s, int j) { aralığıİptalEt(s, j, Aralık::kresendo); }
inline void dolapiptal(Satır& s, int j) { aralığıİptalEt(s, j, Aralık::dolap); }
inline void saziptal(Satır& s, int j) { aralığıİptalEt(s, j, Aralık::saz); }
inline void hececiziptal(Satır& s, int j) { aralığıİptalEt(s, j, Aralık::heceÇizgi); }

// `bagiptal`: dissolves the beam group of element j; every member gets the
// note value it had in the group back as its own `süre`.
void bagiptal(Satır& satır, int j);

}  // namespace selvika

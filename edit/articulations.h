#pragma once

#include "core/articulations.h"

namespace selvika {
namespace artikülasyon {

// The keys and palette cells that set them.
void arşeDöndür(Eleman& e);
void mızrapDöndür(Eleman& e);
// none → puadork → piçikato → none; false for an element with both.
bool puadorkDöndür(Eleman& e);
void tremoloKoy(Eleman& e);
void yarımBağDeğiştir(Eleman& e);

}  // namespace artikülasyon
}  // namespace selvika

#pragma once

#include "core/line.h"

namespace selvika {

// The labels of the "Arızaları" and "Heceleri" views: each stands for one
// part of an element, its accidental or its syllables, and moves that part
// sideways.
enum class EtiketParçası { arıza, hece };

struct EtiketTutamağı {
    int eleman;
    EtiketParçası parça;
    constexpr bool operator==(const EtiketTutamağı&) const = default;
};

// Whether the element has the part: a written accidental, a syllable.
bool parçasıVar(const Eleman& e, EtiketParçası parça);

// Moves the part dx units right (left when negative): the accidental's
// `arızaAyarı`, the syllables' adjustment.
void parçayıKaydır(Eleman& e, EtiketParçası parça, int dx);

// Whether the label's element is still in the line with its part.
bool tutamakGeçerli(const Satır& satır, const EtiketTutamağı& tutamak);

}  // namespace selvika

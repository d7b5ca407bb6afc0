#include "edit/element_labels.h"

#include <algorithm>

namespace selvika {

bool parçasıVar(const Eleman& e, EtiketParçası parça) {
    return parça == EtiketParçası::arıza ? e.arıza.arıza != 0 : e.hece == 1;
}

void parçayıKaydır(Eleman& e, EtiketParçası parça, int dx) {
    Integer& ayar = parça == EtiketParçası::arıza ? e.arıza.arızaAyarı : e.heceAyarı;
    ayar = static_cast<Integer>(ayar + dx);
}

bool tutamakGeçerli(const Satır& satır, const EtiketTutamağı& tutamak) {
    return tutamak.eleman >= 1 && tutamak.eleman <= std::min<int>(satır.elemanSayısı, sonElemanYuvası) &&
           parçasıVar(satır.elemanlar[tutamak.eleman], tutamak.parça);
}

}  // namespace selvika

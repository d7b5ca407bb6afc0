#pragma once

#include "app/page_label.h"

namespace selvika {

// `GüfteEtiketi`(n): the frame over lyric block n on its page (its number
// when the block is empty); it moves freely.
class GüfteEtiketi : public SayfaEtiketi {
public:
    GüfteEtiketi(int n, QRect alan, QWidget* üst);
};

}  // namespace selvika

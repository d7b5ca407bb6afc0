#include "render/drawn_boxes.h"

#include <array>

namespace selvika {

std::string_view kutuTürüAdı(KutuTürü tür) {
    static constexpr std::array<std::string_view, 24> adlar{
        "none",     "head",     "stem",         "flag",     "beam",   "accidental", "dot",        "rest",
        "barline",  "clef",     "keysignature", "timesignature", "slur", "tuplet", "volta",    "syllable",
        "extender", "title",    "lyricblock",   "text",     "pagenumber", "articulation", "hairpin", "passage"};
    return adlar[static_cast<int>(tür)];
}

}  // namespace selvika

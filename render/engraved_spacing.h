#pragma once

// The horizontal spacing of an engraved page: a line's elements set by their
// durations and pushed apart where their ink or their syllables need room,
// then stretched over the staff's whole width. It reads the line's stored
// element data and writes nothing into it: the stored positions stay those
// of the line editor's layout.

#include <functional>
#include <optional>
#include <vector>

#include "core/line.h"

namespace selvika {

struct GravürGirdisi {
    double sol = 0, sağ = 0;  // the element area, in line units (10 a staff space)
    // The width of the syllable element `eleman` prints in verse row
    // `ayet` (0..3); 0 where it prints none.
    std::function<double(int eleman, int ayet)> heceEni{};
    double heceBoşluğu = 5;  // the least white between two syllables of a row
    // Whether that syllable's word goes on, so that a hyphen stands after it
    // and needs `tireBoşluğu` of white instead.
    std::function<bool(int eleman, int ayet)> tireli{};
    double tireBoşluğu = 12;
};

struct GravürSonucu {
    std::vector<double> x;  // the head's (or symbol's) left edge of elements 1..adet; x[0] unused
    bool sığdı = true;      // false: even at their least distances the elements overrun the width
    double enAz = 0;        // the width they take at their least distances
    double doğal = 0;       // the width they take at their springs' own lengths
};

// Elements ilk..son of the line (all of them by default) set between
// girdi.sol and girdi.sağ.
GravürSonucu gravürAralıkları(const Satır& satır, const GravürGirdisi& girdi, int ilk = 1, int son = 0);

// Where a line too full for one system is broken: the element ranges of
// its systems, each closing at a bar line and as full as the others as the
// bar lines allow; one range, the whole line, when it fits or has no bar
// line to break at.
struct ElemanAralığı {
    int ilk, son;
    constexpr bool operator==(const ElemanAralığı&) const = default;
};
std::vector<ElemanAralığı> sistemlereBöl(const Satır& satır, const GravürGirdisi& girdi);

// The line of one system: elements ilk..son renumbered from 1, their
// syllables with them, the line's key signature repeated in front of a
// system that starts after it; a system that ends before the line's end
// closes with its own bar line. An element's number in the system plus
// `kayma` is its number in the line.
struct Sistem {
    Satır satır;
    int kayma = 0;
    // A short line joined on: the system's elements from `ekBaşı` (0: none)
    // are those of line `ekSatır`, numbered there `ekKayma` higher.
    int ekBaşı = 0, ekSatır = 0, ekKayma = 0;
};
Sistem sistemSatırı(const Satır& satır, ElemanAralığı aralık);

// Expressions stand over an element: the last whose head is not right of
// the expression's start. Laid out anew, the line `önce` became `sonra`,
// its elements aralık.ilk..aralık.son renumbered `kayma` lower: each
// expression of `hedef` moves with its element, and one whose element
// `sonra` does not hold is left out.
void ifadeleriTaşı(const Satır& önce, const Satır& sonra, ElemanAralığı aralık, int kayma, Satır& hedef);

// Line `satırNo` printed in the same system after `önceki`: the key
// signature and usul numeral it opens with are left out where they repeat
// what stands before, its syllables follow those of every verse row.
// Nothing when `önceki` is already joined or closes with a line-end bar
// line that no element draws, when the two hold more elements or syllables
// than a line, or when the line carries expressions, which belong to its
// own staff.
std::optional<Sistem> birleşikSistem(const Sistem& önceki, const Satır& satır, int satırNo);

}  // namespace selvika

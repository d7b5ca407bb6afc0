#pragma once

#include <vector>

#include "core/line.h"
#include "core/widths.h"

namespace selvika {

// Beam levels of a `kiriş` pair code: how many beams the left and the right
// member of the pair carry (1 an eighth .. 4 a sixty-fourth).
struct KirişÇifti {
    int sol, sağ;
};
KirişÇifti kirişÇifti(Byte kod);

// One beam of a group, in member indices 0..n-1: a full beam from `ilk` to
// `son`, or a stub at `ilk` (ilk == son) pointing left or right.
struct KirişParçası {
    int seviye;  // 1 the outermost beam
    int ilk, son;
    int yön;     // stubs: -1 to the left, +1 to the right; 0 for a full beam

    constexpr bool operator==(const KirişParçası&) const = default;
};

// Which beams a group draws from the codes of its members (every member but
// the last carries the code to its successor): neighbours share min(left,
// right) beams; a member's further beams, not joined on either side, are
// stubs towards the neighbour whose code asked for them.
std::vector<KirişParçası> kirişParçaları(const std::vector<Byte>& kodlar);

// A group's heads, for placing the beam line.
struct KirişÜyesi {
    double sapX;  // x of the stem
    double başY;  // y of the head's middle
};

// The beam line y = a + b·x for a group whose stems go up (yukarı) or down,
// on a staff `aralık` pixels a space whose middle line lies at `ortaY`:
// through the outer stems' natural tips (`sapBoyu` from the heads), rising
// half the outer heads' distance but at most half a space over two notes and
// a space over more, flat when the outer heads stand level or an inner head
// reaches past both towards the beam; then moved away from the heads until no
// stem is shorter than `sapBoyu` or stops short of the middle line.
struct KirişHattı {
    double a, b;
    double y(double x) const { return a + b * x; }
};
KirişHattı kirişHattı(const std::vector<KirişÜyesi>& üyeler, bool yukarı, double sapBoyu, double aralık, double ortaY);

// The elements ilk..son of the beam group that holds element i of a line's
// elements 1..adet; both 0 when i stands in no closed group.
struct GurupAralığı {
    int ilk = 0, son = 0;
};
GurupAralığı gurubu(const Satır& satır, int i, int adet);

// The one stem direction of a group from its notes' staff positions (14 the
// middle line, larger lower): the note farthest from the middle line decides,
// stems up when it lies below, down when above; at equal distances the
// majority decides, and a group balanced around the middle line hangs its
// stems down.
bool gurupSapıYukarı(const std::vector<int>& konumlar);

}  // namespace selvika

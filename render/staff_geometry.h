#pragma once

#include <vector>

namespace selvika {

// The scale of a staff: the line editor draws at 10 pixels between staff
// lines, pages and print at 20.
struct PorteÖlçeği {
    int satırAralığı;
    int notaBaşı;      // width of a note head, for ledger lines and slur ends
    int yakalamaPayı;  // how far a mouse y may lie from a position and still select it

    // The y of the top staff line (`satırTabanı`).
    constexpr int satırTabanı() const { return satırAralığı * 6; }
};

inline constexpr PorteÖlçeği editörÖlçeği{10, 12, 2};
inline constexpr PorteÖlçeği sayfaÖlçeği{20, 24, 4};

// Staff position p (1..29, 10 on the top line, 18 on the bottom line).
constexpr int perdeY(int p, const PorteÖlçeği& ö, int taban) { return taban + (p - 10) * ö.satırAralığı / 2; }
constexpr int perdeY(int p, const PorteÖlçeği& ö) { return perdeY(p, ö, ö.satırTabanı()); }

// The ledger lines a note at position p needs, as line distances k from the
// top staff line (y = taban + k × satırAralığı): negative above, 5 and more
// below the staff.
std::vector<int> ekÇizgiler(int p);

// A horizontal rule `kalınlık` pixels thick centred on y, set on whole
// pixel rows so that a raster picture shows it black and sharp: its first
// row and its number of rows (at least one).
struct PikselSatırları {
    int ilk, adet;
    constexpr bool operator==(const PikselSatırları&) const = default;
};
PikselSatırları pikselSatırları(double y, double kalınlık);

// How many staff positions the stem of a note at p, 3.5 spaces long, must
// grow to reach the middle line: a note far above the staff with its stem
// down, or far below with its stem up; 0 for any other.
int sapUzatması(int p, bool aşağı);

// `esasY`: the staff position whose window holds the mouse y, or -1.
int esasY(int fareY, const PorteÖlçeği& ö, int taban);

// The ledger lines shown at the mouse: those of the position under it, none
// on the staff or beyond every position.
std::vector<int> fareninEkÇizgileri(int fareY, const PorteÖlçeği& ö, int taban);

}  // namespace selvika

#pragma once

#include <optional>
#include <string>

#include "analysis/cins_library.h"

namespace selvika {

// The profile picture: ten columns 80 units wide, value i of a cins in
// column i; a value v (thirds of a koma) stands at y = 505 − 5v.
inline constexpr int cinsSütunGenişliği = 80;
inline constexpr int cinsTabanı = 505;
inline constexpr int cinsÜstPayı = 40;

constexpr int cinsSütunX(int sütun) { return cinsSütunGenişliği * sütun + cinsSütunGenişliği / 2; }
constexpr int cinsDeğerY(int değer) { return cinsTabanı - 5 * değer; }

// The column (0..9) under x: up to 80 is the first, 721 and beyond the last.
int cinsSütunu(int x);

// The value a click at height y gives: (505 − y) / 5, halves to even.
int tıklananDeğer(int y);

// A click in the picture: the column under x takes the value of y; the
// first column (the ascending durak) never changes. True if one changed.
bool cinsTıkla(Cins& cins, int x, int y);

// The pointer height in thirds of a koma.
constexpr double imleçDeğeri(double y) { return (cinsTabanı - y) / 5.0; }

// The "Imlecin Yeri" labels: "010.00 koma    " and "226.42 cent".
std::string komaYazısı(double y);
std::string centYazısı(double y);

// Distances in koma from the pointer to the tonic and to the degrees just
// below and above the column's degree in its course (the yeden is below
// the durak); a neighbour that does not exist is left out.
struct CinsUzaklıkları {
    double karar = 0;
    std::optional<double> alt;
    std::optional<double> üst;
};
CinsUzaklıkları cinsUzaklıkları(const Cins& cins, int x, double y);

}  // namespace selvika

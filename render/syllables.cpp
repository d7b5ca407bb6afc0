#include "render/syllables.h"

#include <algorithm>

namespace selvika {

bool yerTutucu(const std::string& hece) { return hece == "Q" || hece == "q"; }

bool sözcükSürer(const std::string& hece) { return hece.size() > 1 && hece.back() == '-'; }

std::string tiresiz(const std::string& hece) { return sözcükSürer(hece) ? hece.substr(0, hece.size() - 1) : hece; }

double heceSolu(double başX, double başEni, double en, HeceYeri yer) {
    return yer == HeceYeri::solda ? başX : başX + (başEni - en) / 2;
}

SatırHeceleri heceleriDağıt(const Satır& satır) {
    SatırHeceleri heceler(sonElemanYuvası + 1);
    const int adet = std::min<int>(satır.elemanSayısı, sonElemanYuvası);
    for (int r = 0; r < ayetSatırı; ++r) {
        std::string kalan = satır.güfteSatırları[r + 1].trimmed();
        for (int i = 1; i <= adet && !kalan.empty(); ++i) {
            if (satır.elemanlar[i].hece != 1) continue;
            auto boşluk = kalan.find(' ');
            heceler[i][r] = kalan.substr(0, boşluk);
            kalan = boşluk == std::string::npos ? std::string{} : kalan.substr(boşluk + 1);
        }
    }
    return heceler;
}

}  // namespace selvika

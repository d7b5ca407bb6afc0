// import-symbtr: a SymbTr piece as a score file.

#include <iostream>

#include "cli/command.h"
#include "core/score_file.h"
#include "interchange/symbtr_import.h"

namespace selvika::cli {
namespace {

int symbTrİçeAl(std::span<const std::string> a) {
    SymbTrİçeAlma alınan = symbTrAl(std::filesystem::path(a[0]));
    for (const std::string& satır : alınan.rapor.satırlar) std::cerr << satır << '\n';
    eserKaydet(*alınan.eser, a[1]);
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"import-symbtr", "GİRDİ.txt ÇIKTI.EVD",
     "SymbTr metnini eser olarak yazar; alınamayan satırları Sıra numarasıyla bildirir", symbTrİçeAl, 2},
};

}  // namespace

std::span<const Komut> içeAlmaKomutları() { return komutlar; }

}  // namespace selvika::cli

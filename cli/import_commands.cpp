// import-symbtr, import-musicxml: pieces of other programs as score files.

#include <iostream>

#include "cli/command.h"
#include "core/score_file.h"
#include "interchange/musicxml_import.h"
#include "interchange/symbtr_import.h"

namespace selvika::cli {
namespace {

// What could not be carried over goes to standard error.
int yaz(const İçeAlma& alınan, const std::string& hedef) {
    for (const std::string& satır : alınan.rapor.satırlar) std::cerr << satır << '\n';
    eserKaydet(*alınan.eser, hedef);
    return başarılı;
}

int symbTrİçeAl(std::span<const std::string> a) { return yaz(symbTrAl(std::filesystem::path(a[0])), a[1]); }

int musicXmlİçeAl(std::span<const std::string> a) { return yaz(musicXmlAl(std::filesystem::path(a[0])), a[1]); }

constexpr Komut komutlar[] = {
    {"import-symbtr", "GİRDİ.txt ÇIKTI.EVD",
     "SymbTr metnini eser olarak yazar; alınamayan satırları Sıra numarasıyla bildirir", symbTrİçeAl, 2},
    {"import-musicxml", "GİRDİ.musicxml ÇIKTI.EVD",
     "MusicXML dosyasını eser olarak yazar; alınamayanları ölçü numarasıyla bildirir", musicXmlİçeAl, 2},
};

}  // namespace

std::span<const Komut> içeAlmaKomutları() { return komutlar; }

}  // namespace selvika::cli

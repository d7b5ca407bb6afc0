// page, pdf, engraving-check: the pages of a score in the print layout as
// pictures, and the boxes of what they draw.

#include <QCoreApplication>
#include <charconv>
#include <fstream>
#include <iostream>
#include <memory>

#include "cli/box_json.h"
#include "cli/command.h"
#include "cli/offscreen.h"
#include "cli/options.h"
#include "cli/terminal.h"
#include "core/header.h"
#include "render/glyph_source.h"
#include "render/page_export.h"

namespace selvika::cli {
namespace {

std::unique_ptr<GlifKaynağı> glifler() {
    std::string hata;
    auto kaynak = GlifKaynağı::yükle(QCoreApplication::applicationDirPath().toStdString(), &hata);
    if (!kaynak) std::cerr << hata << '\n';
    return kaynak;
}

int sayfaYaz(std::span<const std::string> a) {
    int sayfa = 0;
    auto [son, hata] = std::from_chars(a[1].data(), a[1].data() + a[1].size(), sayfa);
    if (hata != std::errc{} || son != a[1].data() + a[1].size() || sayfa < 1 || sayfa > sayfaSayısı) {
        std::cerr << "sayfa 1.." << sayfaSayısı << " olmalı: " << a[1] << '\n';
        return yanlışKullanım;
    }
    EserPtr eser = eserAç(a[0]);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const ÇizimOrtamı ortam{*kaynak, eser->başlık, terminal, true};
    if (const int adet = sayfaAdedi(*eser, SayfaDüzeni::baskı, ortam); sayfa > adet) {
        std::cerr << "baskı düzeninde " << adet << " sayfa var: " << sayfa << '\n';
        return reddedildi;
    }
    if (!sayfaResmi(*eser, sayfa, ortam, SayfaDüzeni::baskı).save(QString::fromStdString(a[2]), "PNG")) {
        std::cerr << a[2] << " yazılamadı\n";
        return reddedildi;
    }
    return başarılı;
}

constexpr std::string_view pdfArgümanları = "EVD ÇIKTI.pdf [--boxes KUTULAR.json]";

int pdfYaz(std::span<const std::string> a) {
    std::string evd, pdf, kutular;
    CLI::App seçenekler;
    seçenekler.add_option("EVD", evd)->required();
    seçenekler.add_option("PDF", pdf)->required();
    seçenekler.add_option("--boxes", kutular)->type_name("KUTULAR.json");
    if (!seçenekleriOku(seçenekler, a, "pdf " + std::string(pdfArgümanları))) return yanlışKullanım;
    EserPtr eser = eserAç(evd);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const ÇizimOrtamı ortam{*kaynak, eser->başlık, terminal, true};
    if (!eserPdf(*eser, pdf, ortam, SayfaDüzeni::baskı)) {
        std::cerr << pdf << " yazılamadı\n";
        return reddedildi;
    }
    if (kutular.empty()) return başarılı;
    std::ofstream çıktı(kutular);
    çıktı << kutularJson(eserKutuları(*eser, ortam, SayfaDüzeni::baskı)) << '\n';
    if (!çıktı) {
        std::cerr << kutular << " yazılamadı\n";
        return reddedildi;
    }
    return başarılı;
}

// The engraving check of the PDF's pages, as JSON on standard output.
int gravürDenetimi(std::span<const std::string> a) {
    EserPtr eser = eserAç(a[0]);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const auto kutular = eserKutuları(*eser, {*kaynak, eser->başlık, terminal, true}, SayfaDüzeni::baskı);
    std::cout << denetimJson(kutularıDenetle(kutular, DenetimÖlçüleri::sayfa(basılıPorteAralığı()))).dump(2) << '\n';
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"page", "EVD N ÇIKTI.png", "baskı düzeninin N. sayfasını PNG olarak çizer", sayfaYaz, 3},
    {"pdf", pdfArgümanları, "baskı düzeninin sayfalarını vektörel PDF olarak yazar (kutularıyla)", pdfYaz, 2, true},
    {"engraving-check", "EVD", "basılan sayfalardaki çakışmaları, heceleri ve kenar taşmalarını JSON olarak sayar",
     gravürDenetimi, 1},
};

}  // namespace

std::span<const Komut> sayfaKomutları() { return komutlar; }

}  // namespace selvika::cli

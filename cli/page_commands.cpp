// page, pdf, engraving-check: the pages of a score in the print layout as
// pictures, and the boxes of what they draw.

#include <QCoreApplication>
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

constexpr std::string_view birleştirSeçeneği = "--join-short-lines";

// The print layout's drawing; with the option, short lines share a system.
ÇizimOrtamı baskıOrtamı(const GlifKaynağı& kaynak, const Eser& eser, Etkileşim& terminal, bool birleştir) {
    ÇizimOrtamı ortam{kaynak, eser.başlık, terminal, true};
    ortam.kısaSatırlarBirleşir = birleştir;
    return ortam;
}

void birleştirmeSeçeneği(CLI::App& seçenekler, bool& birleştir) {
    seçenekler.add_flag(std::string(birleştirSeçeneği), birleştir,
                        "kısa satırları, birlikte sığdıkları yerde aynı portede basar");
}

constexpr std::string_view sayfaArgümanları = "EVD N ÇIKTI.png [--join-short-lines]";

int sayfaYaz(std::span<const std::string> a) {
    std::string evd, png;
    int sayfa = 0;
    bool birleştir = false;
    CLI::App seçenekler;
    seçenekler.add_option("EVD", evd)->required();
    seçenekler.add_option("N", sayfa)->required()->check(aralık(1, sayfaSayısı));
    seçenekler.add_option("PNG", png)->required();
    birleştirmeSeçeneği(seçenekler, birleştir);
    if (!seçenekleriOku(seçenekler, a, "page " + std::string(sayfaArgümanları))) return yanlışKullanım;
    EserPtr eser = eserAç(evd);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const ÇizimOrtamı ortam = baskıOrtamı(*kaynak, *eser, terminal, birleştir);
    if (const int adet = sayfaAdedi(*eser, SayfaDüzeni::baskı, ortam); sayfa > adet) {
        std::cerr << "baskı düzeninde " << adet << " sayfa var: " << sayfa << '\n';
        return reddedildi;
    }
    if (!sayfaResmi(*eser, sayfa, ortam, SayfaDüzeni::baskı).save(QString::fromStdString(png), "PNG")) {
        std::cerr << png << " yazılamadı\n";
        return reddedildi;
    }
    return başarılı;
}

constexpr std::string_view pdfArgümanları = "EVD ÇIKTI.pdf [--boxes KUTULAR.json] [--join-short-lines]";

int pdfYaz(std::span<const std::string> a) {
    std::string evd, pdf, kutular;
    bool birleştir = false;
    CLI::App seçenekler;
    seçenekler.add_option("EVD", evd)->required();
    seçenekler.add_option("PDF", pdf)->required();
    seçenekler.add_option("--boxes", kutular)->type_name("KUTULAR.json");
    birleştirmeSeçeneği(seçenekler, birleştir);
    if (!seçenekleriOku(seçenekler, a, "pdf " + std::string(pdfArgümanları))) return yanlışKullanım;
    EserPtr eser = eserAç(evd);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const ÇizimOrtamı ortam = baskıOrtamı(*kaynak, *eser, terminal, birleştir);
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

constexpr std::string_view denetimArgümanları = "EVD [--join-short-lines]";

// The engraving check of the PDF's pages, as JSON on standard output.
int gravürDenetimi(std::span<const std::string> a) {
    std::string evd;
    bool birleştir = false;
    CLI::App seçenekler;
    seçenekler.add_option("EVD", evd)->required();
    birleştirmeSeçeneği(seçenekler, birleştir);
    if (!seçenekleriOku(seçenekler, a, "engraving-check " + std::string(denetimArgümanları))) return yanlışKullanım;
    EserPtr eser = eserAç(evd);
    EkransızUygulama uygulama;
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const auto kutular = eserKutuları(*eser, baskıOrtamı(*kaynak, *eser, terminal, birleştir), SayfaDüzeni::baskı);
    std::cout << denetimJson(kutularıDenetle(kutular, DenetimÖlçüleri::sayfa(basılıPorteAralığı()))).dump(2) << '\n';
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"page", sayfaArgümanları, "baskı düzeninin N. sayfasını PNG olarak çizer", sayfaYaz, 3, true},
    {"pdf", pdfArgümanları, "baskı düzeninin sayfalarını vektörel PDF olarak yazar (kutularıyla)", pdfYaz, 2, true},
    {"engraving-check", "EVD", "basılan sayfalardaki çakışmaları, heceleri ve kenar taşmalarını JSON olarak sayar",
     gravürDenetimi, 1, true},
};

}  // namespace

std::span<const Komut> sayfaKomutları() { return komutlar; }

}  // namespace selvika::cli

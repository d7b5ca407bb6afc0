// page, pdf: the pages of a score as pictures, drawn as the page view draws
// them.

#include <QCoreApplication>
#include <QGuiApplication>
#include <charconv>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/command.h"
#include "cli/terminal.h"
#include "core/header.h"
#include "render/glyph_source.h"
#include "render/page_export.h"

namespace selvika::cli {
namespace {

// Drawing text needs a GUI application; without a display it runs on the
// offscreen platform. The application lives as long as the command.
int& ekransızArgc() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    return argc;
}
char ad[] = "selvika-cli";
char* argv[] = {ad, nullptr};

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
    QGuiApplication uygulama(ekransızArgc(), argv);
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    const ÇizimOrtamı ortam{*kaynak, eser->başlık, terminal, true};
    if (!sayfaResmi(*eser, sayfa, ortam).save(QString::fromStdString(a[2]), "PNG")) {
        std::cerr << a[2] << " yazılamadı\n";
        return reddedildi;
    }
    return başarılı;
}

int pdfYaz(std::span<const std::string> a) {
    EserPtr eser = eserAç(a[0]);
    QGuiApplication uygulama(ekransızArgc(), argv);
    auto kaynak = glifler();
    if (!kaynak) return reddedildi;
    Terminal terminal(std::cerr);
    if (!eserPdf(*eser, a[1], {*kaynak, eser->başlık, terminal, true})) {
        std::cerr << a[1] << " yazılamadı\n";
        return reddedildi;
    }
    return başarılı;
}

constexpr Komut komutlar[] = {
    {"page", "EVD N ÇIKTI.png", "N. sayfayı sayfa görünümündeki gibi PNG olarak çizer", sayfaYaz, 3},
    {"pdf", "EVD ÇIKTI.pdf", "satır taşıyan her sayfayı vektörel PDF olarak yazar", pdfYaz, 2},
};

}  // namespace

std::span<const Komut> sayfaKomutları() { return komutlar; }

}  // namespace selvika::cli

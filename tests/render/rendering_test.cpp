#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <nlohmann/json.hpp>
#include <span>
#include <tuple>

#include "core/defaults.h"
#include "pitch/key_signatures.h"
#include "core/preferences.h"
#include "core/score_file.h"

#include "image_compare.h"
#include "render/glyph_source.h"
#include "render/line_painter.h"
#include "render/page_export.h"
#include "render/page_geometry.h"
#include "render/page_painter.h"
#include "render/painting_parts.h"
#include "render/score_font.h"
#include "render/score_strip.h"
#include "support/score_fixtures.h"
#include "support/scripted_interaction.h"

namespace selvika {
namespace {

const QString referanslar = SELVIKA_RENDER_REFERENCES;
const QString çıktı = SELVIKA_RENDER_OUTPUT;

const GlifKaynağı& glifler() {
    static const auto kaynak = GlifKaynağı::yükle(SELVIKA_PROGRAM_DIR);
    return *kaynak;
}

Eleman eleman(Byte tür, Byte genişlik, Byte süre = 0) {
    Eleman e;
    e.tür = tür;
    e.genişlik = genişlik;
    e.süre = süre;
    return e;
}

Eleman nota(Byte tür, Byte süre, const char* sap = "d") {
    Eleman e = eleman(tür, 12, süre);
    e.sapYönü = Text<1>(sap);
    e.hece = 1;
    return e;
}

void ekle(Satır& s, std::initializer_list<Eleman> elemanlar) {
    for (const Eleman& e : elemanlar) s.elemanlar[++s.elemanSayısı] = e;
}

Eleman değiştir(Eleman e, auto&& f) {
    f(e);
    return e;
}

// Notes of every value both ways, rests, dots, accidentals, ledger lines,
// signatures, usul numerals and bar lines.
void ilkSatır(Satır& s) {
    ekle(s, {değiştir(eleman(tür::donanım, 17), [](Eleman& e) { e.usulNo = 7; }),
             değiştir(eleman(tür::usul, 20), [](Eleman& e) { e.usulNo = 1; })});
    for (Byte süre : {1, 2, 4, 8, 16, 32, 64}) ekle(s, {nota(17, süre, "d"), nota(9, süre, "p")});
    ekle(s, {eleman(43, 6)});
    for (Byte süre : {1, 2, 4, 8, 16, 32, 64}) ekle(s, {eleman(tür::sus, 12, süre)});
    ekle(s, {eleman(33, 8), değiştir(nota(2, 4, "p"), [](Eleman& e) { e.nokta = 1; }),
             değiştir(nota(27, 2, "d"), [](Eleman& e) { e.nokta = 1; }), eleman(34, 10)});
}

void ikinciSatır(Satır& s) {
    int i = 0;
    for (Integer arıza : {-8, -7, -6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6, 7, 8, 15})
        ekle(s, {değiştir(nota(Byte(12 + i++ % 5), 4), [&](Eleman& e) { e.arıza.arıza = arıza; })});
    ekle(s, {değiştir(nota(14, 4, "p"), [](Eleman& e) { e.arıza.arıza = -4; e.arıza.parantezli = true; }),
             değiştir(nota(16, 4), [](Eleman& e) { e.arıza.arıza = 4; e.arıza.bekarlı = true; }),
             eleman(37, 10), eleman(38, 10), eleman(39, 12), eleman(41, 8), eleman(49, 6)});
    ekle(s, {değiştir(eleman(tür::donanım, 17), [](Eleman& e) { e.usulNo = kullanıcıTanımlı; })});
    for (int j : {1, 5, 19}) s.elemanlar[j].ayrılmış5[0] = 1;  // half ties entering, short, leaving
}

// Beams of every shape, a triplet, slurs, a hairpin, a volta, an
// instrument line, syllables with a placeholder and an extension line.
void üçüncüSatır(Satır& s) {
    auto grup = [&](std::initializer_list<std::pair<Byte, Byte>> üyeler, const char* sap) {
        int n = 0;
        const int adet = int(üyeler.size());
        for (auto [tür, kiriş] : üyeler) {
            Eleman e = nota(tür, 8, sap);
            e.gurup.gurupYeri = Byte(n == 0 ? 1 : n == adet - 1 ? 3 : 2);
            e.gurup.kiriş = kiriş;
            ekle(s, {e});
            ++n;
        }
    };
    grup({{15, 0}, {13, 0}, {14, 0}, {16, 0}}, "d");
    grup({{9, 3}, {11, 3}, {8, 0}}, "p");
    grup({{16, 1}, {15, 0}}, "d");
    grup({{12, 2}, {10, 5}, {11, 0}}, "p");
    s.elemanlar[1].yay[1].durum = 1;
    s.elemanlar[2].yay[1].durum = 2;
    s.elemanlar[3].yay[1].durum = 3;
    ekle(s, {eleman(43, 6)});
    const int triole = s.elemanSayısı + 1;
    grup({{13, 0}, {12, 0}, {11, 0}}, "d");
    for (int k = 0; k < 3; ++k) s.elemanlar[triole + k].triole.trioleYeri = Byte(k + 1);
    const int yay = s.elemanSayısı + 1;
    ekle(s, {nota(15, 4), nota(11, 4), nota(16, 4), eleman(43, 6)});
    s.elemanlar[yay].yay[2].durum = 1;
    s.elemanlar[yay + 1].yay[2].durum = 2;
    s.elemanlar[yay + 2].yay[2].durum = 3;
    s.elemanlar[yay].kresendo.kresendo = 1;
    s.elemanlar[yay + 2].kresendo.kresendo = 3;
    s.elemanlar[yay].dolap.dolap = 1;
    s.elemanlar[yay].dolap.etiket = Text<1>("1");
    s.elemanlar[yay + 2].dolap.dolap = 3;
    s.elemanlar[1].saz.durum = 1;
    s.elemanlar[4].saz.durum = 3;
    s.elemanlar[yay].heceÇizgi.durum = 1;
    s.elemanlar[yay + 2].heceÇizgi.durum = 3;
    s.güfteSatırları[1] = Text<100>("Üs kü dar'a gi der i ken al dı da bir yağ mur Q ça mur");
    s.güfteSatırları[2] = Text<100>("Kâ tip le rin ku ma ğı");
}

EserPtr herTürdenEser() {
    EserPtr eser = yeniEser(varsayılanTercihler());
    ilkSatır(eser->satırlar[1]);
    ikinciSatır(eser->satırlar[2]);
    üçüncüSatır(eser->satırlar[3]);
    eser->başlık.başlıklar[1].metin = Text<50>("HER TÜRDEN");
    eser->başlık.başlıklar[4].metin = Text<50>("Hicaz - Sofyan");
    eser->başlık.başlıklar[7].metin = Text<50>("Selvika");
    eser->başlık.güfteBlokları[1].metin = Text<250>("Güfte bloğu bir");
    eser->başlık.güfteYerleri[1] = {40, 600};
    kullanıcıDonanımınıKaydet(eser->başlık.donanım, {0, 4, -4, 0, 0, 0, 0});
    return eser;
}

class Rendering : public ::testing::Test {
protected:
    test::SenaryoluEtkileşim etkileşim;
    ÇizimOrtamı ortam(const Eser& eser) { return {glifler(), eser.başlık, etkileşim, true}; }

    // Lines drawn one under the other, each in a band of the editor's height.
    QImage çizilmiş(std::span<Satır> satırlar, const PorteÖlçeği& ö, const ÇizimOrtamı& o) {
        const double kat = ö.satırAralığı / 10.0;
        QImage resim(int(çizimGenişliği * kat), int(çizimYüksekliği * kat * satırlar.size()), QImage::Format_RGB32);
        resim.fill(Qt::white);
        QPainter ressam(&resim);
        for (std::size_t n = 0; n < satırlar.size(); ++n) {
            ressam.save();
            ressam.translate(0, int(n * çizimYüksekliği * kat));
            elemyaz2(ressam, satırlar[n], ö, o);
            ressam.restore();
        }
        return resim;
    }

    // One glyph copied from the sheet at `yer` onto a surface of `zemin`.
    QImage tekGlif(int kod, QSize alan, QPoint yer, int boyut = 30, QColor zemin = Qt::white) {
        QImage resim(alan, QImage::Format_RGB32);
        resim.fill(zemin);
        QPainter ressam(&resim);
        glifler().FontBasSatır(ressam, kod, yer.x(), yer.y(), boyut, etkileşim);
        ressam.end();
        return resim;
    }
};

TEST_F(Rendering, EveryElementKindOnAPage) {
    EserPtr eser = herTürdenEser();
    EXPECT_TRUE(test::referansaUyar(sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları), "every-kind-page", referanslar, çıktı));
    EXPECT_TRUE(etkileşim.ikazlar.empty());
}

TEST_F(Rendering, EveryElementKindInTheEditorFromTheSheet) {
    EserPtr eser = herTürdenEser();
    ÇizimOrtamı o = ortam(*eser);
    o.vektör = false;
    const QImage resim = çizilmiş(std::span(&eser->satırlar[1], 3), editörÖlçeği, o);
    EXPECT_TRUE(test::referansaUyar(resim, "every-kind-editor", referanslar, çıktı));
}

// The editor's selected range stands on a band behind its elements, from
// the first to the last; the rest of the line stays white above the staff.
TEST_F(Rendering, TheSelectedRangeStandsOnABand) {
    EserPtr eser = herTürdenEser();
    ÇizimOrtamı o = ortam(*eser);
    o.seçim = {2, 3};
    Satır satır = eser->satırlar[1];
    const QImage resim = çizilmiş({&satır, 1}, editörÖlçeği, o);
    auto üstünde = [&](int j) { return resim.pixelColor(int(satır.elemanlar[j].konum.x) + 1, 14); };
    EXPECT_NE(üstünde(2), QColor(Qt::white));
    EXPECT_NE(üstünde(3), QColor(Qt::white));
    EXPECT_EQ(üstünde(5), QColor(Qt::white));
}

TEST_F(Rendering, ExampleScorePageOne) {
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    ASSERT_TRUE(eser);
    EXPECT_TRUE(test::referansaUyar(sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları), "example-page1", referanslar, çıktı));
}

// The example's four lines four times over: the print layout's first page
// with the title block, and its second with the last systems, the lyric
// block and the page number.
TEST_F(Rendering, ExampleScoreInThePrintLayout) {
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    ASSERT_TRUE(eser);
    for (int n = 5; n <= 16; ++n) eser->satırlar[n] = eser->satırlar[(n - 1) % 4 + 1];
    const ÇizimOrtamı o = ortam(*eser);
    ASSERT_EQ(sayfaAdedi(*eser, SayfaDüzeni::baskı, o), 2);
    for (int s : {1, 2})
        EXPECT_TRUE(test::referansaUyar(sayfaResmi(*eser, s, o, SayfaDüzeni::baskı),
                                        QStringLiteral("example-print-page%1").arg(s), referanslar, çıktı));
}

TEST_F(Rendering, StaffLinesOfAPagePictureAreWholeBlackRows) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    ekle(eser->satırlar[1], {nota(14, 4)});
    eser->satırlar[1].satırSonu = satırSonuTürü::açık;  // the staff runs on past the note
    const QImage resim = sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları);
    int siyah = 0;
    for (int y = 0; y < resim.height(); ++y) {
        const QRgb p = resim.pixel(400, y);
        EXPECT_TRUE(p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255)) << "grey at row " << y;
        siyah += p == qRgb(0, 0, 0);
    }
    EXPECT_EQ(siyah, 5);
}

TEST_F(Rendering, UsulNumeralsStayInsideTheStaffWhateverTheirFont) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    eser->başlık.yazıTipleri[6].boy = 40;
    Satır& satır = eser->satırlar[1];
    ekle(satır, {değiştir(eleman(tür::usul, 20), [](Eleman& e) { e.usulNo = 1; })});
    QImage resim(çizimGenişliği, çizimYüksekliği, QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter ressam(&resim);
    elemyaz2(ressam, satır, editörÖlçeği, ortam(*eser));
    ressam.end();
    const int x = satır.elemanlar[1].konum.x;
    for (int sütun = x; sütun < x + satır.elemanlar[1].genişlik; ++sütun)
        for (int y : {58, 102}) EXPECT_EQ(resim.pixel(sütun, y), qRgb(255, 255, 255)) << sütun << ", " << y;
}

TEST_F(Rendering, TheTripletNumberStandsOverTheMiddleOfItsGroup) {
    EserPtr eser = yeniEser(varsayılanTercihler());
    eser->başlık.bayraklar.trioleGörünümü = 0;  // the number alone
    Satır& satır = eser->satırlar[1];
    for (Byte k = 1; k <= 3; ++k)
        ekle(satır, {değiştir(nota(16, 8), [&](Eleman& e) { e.gurup.gurupYeri = e.triole.trioleYeri = k; })});
    QImage resim(çizimGenişliği, çizimYüksekliği, QImage::Format_RGB32);
    resim.fill(Qt::white);
    QPainter ressam(&resim);
    ÇizimOrtamı o = ortam(*eser);
    o.vektör = false;
    elemyaz2(ressam, satır, editörÖlçeği, o);
    ressam.end();
    // Under the staff, past the clef, only the 3 has ink.
    int sol = resim.width(), sağ = -1;
    for (int y = 102; y < çizimYüksekliği; ++y)
        for (int x = 40; x < resim.width(); ++x)
            if (qGray(resim.pixel(x, y)) < 128) sol = std::min(sol, x), sağ = std::max(sağ, x);
    const double başlarınOrtası = (satır.elemanlar[1].konum.x + satır.elemanlar[3].konum.x) / 2.0 + 6;
    EXPECT_NEAR((sol + sağ + 1) / 2.0, başlarınOrtası, 1.0);
}

// A score keeps the Windows faces it names; they are drawn by the faces of
// the same metrics that the system has.
TEST_F(Rendering, WindowsFacesAreDrawnByTheirStandIns) {
    for (auto [yüz, eş] : {std::pair{"Arial", "Liberation Sans"}, std::pair{"Times New Roman", "Liberation Serif"},
                           std::pair{"ms sans serif", "DejaVu Sans"}}) {
        const QFont f = yüzYazıTipi(Text<40>(yüz));
        EXPECT_EQ(f.family().toStdString(), yüz);
        EXPECT_EQ(QFontInfo(f).family().toStdString(), eş) << yüz;
    }
    EXPECT_EQ(yüzYazıTipi(Text<40>(" DejaVu Serif ")).families(), QStringList{"DejaVu Serif"});
}

TEST_F(Rendering, ComparisonNoticesAMissingNote) {
    EserPtr eser = herTürdenEser();
    const QImage önce = sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları);
    eser->satırlar[1].elemanSayısı = 10;
    const QImage sonra = sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları);
    EXPECT_TRUE(test::resimleriKarşılaştır(önce, önce).aynı);
    EXPECT_FALSE(test::resimleriKarşılaştır(önce, sonra).aynı);
}

TEST_F(Rendering, UserSignatureMissingIsReported) {
    EserPtr eser = herTürdenEser();
    eser->başlık.donanım = {};
    sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::sayfaKayıtları);
    EXPECT_EQ(etkileşim.ikazlar, std::vector<std::string>{"kullanıcı tanımlı donanım yok"});
}

TEST_F(Rendering, CodeZeroIsReportedAndSkipped) {
    const QImage resim = tekGlif(0, {20, 20}, {5, 5});
    EXPECT_EQ(etkileşim.ikazlar, std::vector<std::string>{" süre 0 geldi "});
    EXPECT_EQ(resim.pixel(10, 10), qRgb(255, 255, 255));
}

// The pixels of `resim` that `koşul` holds for.
int pikseller(const QImage& resim, auto&& koşul) {
    int adet = 0;
    for (int y = 0; y < resim.height(); ++y)
        for (int x = 0; x < resim.width(); ++x) adet += koşul(resim.pixel(x, y));
    return adet;
}

// White sheet pixels leave the surface as it was; only ink paints.
TEST_F(Rendering, SheetCopyKeepsTheSurfaceUnderWhite) {
    const QImage resim = tekGlif('C', {40, 60}, {5, 5}, 30, Qt::red);
    EXPECT_GT(pikseller(resim, [](QRgb p) { return qRed(p) < 64; }), 20) << "the quarter note's ink";
    EXPECT_GT(pikseller(resim, [](QRgb p) { return p == qRgb(255, 0, 0); }), resim.width() * resim.height() / 2);
}

TEST_F(Rendering, HalfSizeCopiesHalfTheRectangle) {
    auto mürekkep = [&](int boyut) {
        const QImage resim = tekGlif('C', {60, 80}, {2, 2}, boyut);
        int yükseklik = 0;
        for (int y = 0; y < resim.height(); ++y)
            for (int x = 0; x < resim.width(); ++x)
                if (qRed(resim.pixel(x, y)) < 128) yükseklik = y;
        return yükseklik;
    };
    EXPECT_EQ(mürekkep(0), mürekkep(30)) << "size 0 is full size";
    EXPECT_NEAR(mürekkep(15) - 2, (mürekkep(30) - 2) / 2.0, 2);
}

TEST_F(Rendering, Code229CopiesItsFixedSquare) {
    const QImage resim = tekGlif(229, {30, 30}, {5, 6});
    QImage sayfa(QString(SELVIKA_PROGRAM_DIR) + "/BigEsel.png");
    const QImage kare = sayfa.copy(15, 418, 12, 12).convertToFormat(QImage::Format_Grayscale8);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) EXPECT_NEAR(qGray(resim.pixel(5 + x, 5 + y)), kare.pixelColor(x, y).value(), 2);
    EXPECT_EQ(resim.pixel(4, 4), qRgb(255, 255, 255));
    EXPECT_EQ(resim.pixel(18, 18), qRgb(255, 255, 255));
}

TEST_F(Rendering, StripGivesEachLineItsBand) {
    EserPtr eser = herTürdenEser();
    const QImage şerit = sayfa_hazırla(*eser, ortam(*eser));
    EXPECT_EQ(şerit.height(), 3 * 120 + 4) << "up to the last line holding elements";
    for (int y : {41, 48, 55, 62, 69}) EXPECT_EQ(şerit.pixel(1, 120 + y), qRgb(0, 0, 0));
    eser->satırlar[20].elemanSayısı = 1;
    eser->satırlar[20].elemanlar[1] = nota(12, 4);
    QImage büyüyen = şerit;
    satır_hazırla(büyüyen, *eser, 20, ortam(*eser));
    EXPECT_GE(büyüyen.height(), 19 * 120 + 120);
}

TEST_F(Rendering, ALazyStripDrawsTheShownBandsFirstAndEndsAsTheWholeStrip) {
    EserPtr eser = herTürdenEser();
    TembelŞerit şerit;
    şerit.başla(*eser);
    şerit.göster(bantTepesi(2) + 30, bantTepesi(2) + 60, *eser, ortam(*eser));
    EXPECT_EQ(std::tuple(şerit.resim().height(), şerit.resim().pixel(1, 41), şerit.resim().pixel(1, 120 + 41)),
              std::tuple(3 * 120 + 4, qRgb(255, 255, 255), qRgb(0, 0, 0)));
    while (şerit.sıradakiniÇiz(*eser, ortam(*eser))) {
    }
    EXPECT_EQ(şerit.resim(), sayfa_hazırla(*eser, ortam(*eser)));
}

TEST_F(Rendering, PdfHoldsThePagesWithLinesAndOpens) {
    EserPtr eser = herTürdenEser();
    eser->satırlar[25] = eser->satırlar[3];
    test::GeçiciKlasör klasör;
    const auto pdf = klasör.yol() / "eser.pdf";
    ASSERT_TRUE(eserPdf(*eser, pdf, ortam(*eser), SayfaDüzeni::sayfaKayıtları));
    ASSERT_TRUE(std::filesystem::file_size(pdf) > 1000);
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftoppm.isEmpty()) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QProcess p;
    p.start(pdftoppm, {"-png", "-r", "30", QString::fromStdString(pdf.string()),
                       QString::fromStdString((klasör.yol() / "s").string())});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 0);
    auto sayfa = [&](const char* ad) { return std::filesystem::exists(klasör.yol() / ad); };
    EXPECT_EQ(std::tuple(sayfa("s-1.png"), sayfa("s-2.png"), sayfa("s-3.png")), std::tuple(true, true, false))
        << "lines 21..30 make a second page";
}

// A preference of the dialog, and whether it changes the drawing on screen
// (the editor's scale, glyphs from the sheet) and in print (the page scale).
struct ÇizimTercihi {
    std::string ad;
    std::function<void(EserBaşlık&)> ayarla;
    bool ekranda, baskıda;
};

class LineDrawing : public Rendering {
protected:
    // Line 3 of every kind: slurs, a triplet, a volta, an instrument line,
    // syllables with an extension line.
    QImage çiz(const Eser& eser, const PorteÖlçeği& ö) {
        ÇizimOrtamı o = ortam(eser);
        o.vektör = ö.satırAralığı != editörÖlçeği.satırAralığı;
        Satır satır = eser.satırlar[3];
        return çizilmiş({&satır, 1}, ö, o);
    }
};

class PreferenceDrawing : public LineDrawing, public ::testing::WithParamInterface<ÇizimTercihi> {};

TEST_P(PreferenceDrawing, ChangesTheDrawingsItBelongsTo) {
    EserPtr eser = herTürdenEser();
    const QImage ekran = çiz(*eser, editörÖlçeği), baskı = çiz(*eser, sayfaÖlçeği);
    GetParam().ayarla(eser->başlık);
    EXPECT_EQ(çiz(*eser, editörÖlçeği) != ekran, GetParam().ekranda);
    EXPECT_EQ(çiz(*eser, sayfaÖlçeği) != baskı, GetParam().baskıda);
}

std::vector<ÇizimTercihi> çizimTercihleri() {
    std::vector<ÇizimTercihi> t = {
        {"SlurThinOnScreen", [](EserBaşlık& b) { b.ayarlar.liezonKalınlığı2 = 1; }, true, false},
        {"SlurThickInPrint", [](EserBaşlık& b) { b.ayarlar.liezonKalınlığı1 = 3; }, false, true},
        {"TripletNumberOnly", [](EserBaşlık& b) { b.bayraklar.trioleGörünümü = false; }, true, true},
        {"SyllablesFromTheHead", [](EserBaşlık& b) { b.bayraklar.güfteYeri = 1; }, true, true},
    };
    // Each line style but the one a new score draws.
    const std::tuple<const char*, Byte GörünümSeçimleri::*, int> çizgiler[] = {
        {"Volta", &GörünümSeçimleri::a, 0}, {"Instrument", &GörünümSeçimleri::b, 1}, {"Extension", &GörünümSeçimleri::c, 0}};
    for (auto [ad, alan, varsayılan] : çizgiler)
        for (int stil = 0; stil < çizgiStiliSayısı; ++stil)
            t.push_back({ad + std::to_string(stil),
                         [alan, stil](EserBaşlık& b) { b.görünümSeçimleri.*alan = Byte(stil); }, stil != varsayılan,
                         stil != varsayılan});
    return t;
}

INSTANTIATE_TEST_SUITE_P(Preferences, PreferenceDrawing, ::testing::ValuesIn(çizimTercihleri()),
                         [](const auto& bilgi) { return bilgi.param.ad; });

// Thickness 2 is the engraved slur; 1 and 3 draw it thinner and thicker.
TEST_F(LineDrawing, ThickerSlursTakeMoreInk) {
    EserPtr eser = herTürdenEser();
    auto mürekkep = [&](Byte kalınlık) {
        eser->başlık.ayarlar.liezonKalınlığı2 = kalınlık;
        return pikseller(çiz(*eser, editörÖlçeği), [](QRgb p) { return qGray(p) < 128; });
    };
    EXPECT_LT(mürekkep(1), mürekkep(2));
    EXPECT_LT(mürekkep(2), mürekkep(3));
}

int cli(const QStringList& argümanlar) {
    QProcess p;
    p.start(SELVIKA_CLI, argümanlar);
    return p.waitForFinished(60000) ? p.exitCode() : -1;
}

TEST_F(Rendering, CommandLinePageIsThePrintLayoutsPicture) {
    test::GeçiciKlasör klasör;
    const QString png = QString::fromStdString((klasör.yol() / "s1.png").string());
    ASSERT_EQ(cli({"page", SELVIKA_EXAMPLE, "1", png}), 0);
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    EXPECT_TRUE(test::resimleriKarşılaştır(QImage(png), sayfaResmi(*eser, 1, ortam(*eser), SayfaDüzeni::baskı)).aynı);
    EXPECT_EQ(cli({"page", SELVIKA_EXAMPLE, "21", png}), 2) << "pages are 1..20";
    EXPECT_EQ(cli({"page", SELVIKA_EXAMPLE, "2", png}), 1) << "the example prints on one page";
    EXPECT_EQ(cli({"page", SELVIKA_EXAMPLE, "x", png}), 2);
    EXPECT_EQ(cli({"page", QString::fromStdString((klasör.yol() / "yok.EVD").string()), "1", png}), 1);
    EXPECT_EQ(cli({"pdf", SELVIKA_EXAMPLE, QString::fromStdString((klasör.yol() / "yok" / "a.pdf").string())}), 1);
}

QByteArray cliÇıktısı(const QStringList& argümanlar) {
    QProcess p;
    p.start(SELVIKA_CLI, argümanlar);
    return p.waitForFinished(60000) && p.exitCode() == 0 ? p.readAllStandardOutput() : QByteArray();
}

// The example's boxes from the command line, counted against its score:
// a head per note, a clef per line; and the check over them, which finds
// nothing outside the margins of the print layout.
TEST_F(Rendering, ExampleScoreBoxesAndTheirCheck) {
    test::GeçiciKlasör klasör;
    const auto json = klasör.yol() / "kutular.json";
    ASSERT_EQ(cli({"pdf", SELVIKA_EXAMPLE, QString::fromStdString((klasör.yol() / "a.pdf").string()), "--boxes",
                   QString::fromStdString(json.string())}),
              0);
    const auto kutular = nlohmann::json::parse(std::ifstream(json));
    std::map<std::string, int> türler;
    for (const auto& sayfa : kutular["pages"])
        for (const auto& öğe : sayfa["items"]) ++türler[öğe["kind"].get<std::string>()];
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    int notalar = 0, satırlar = 0;
    for (const Satır& satır : eser->satırlar) {
        satırlar += satır.elemanSayısı > 0;
        for (int i = 1; i <= satır.elemanSayısı; ++i) notalar += satır.elemanlar[i].nota();
    }
    EXPECT_EQ(int(kutular["pages"].size()), 1);
    EXPECT_EQ(türler["head"], notalar);
    EXPECT_EQ(türler["clef"], satırlar);
    EXPECT_EQ(türler["keysignature"], satırlar);
    EXPECT_GT(türler["stem"], notalar / 2);
    EXPECT_GT(türler["beam"], 0);
    EXPECT_GT(türler["syllable"], notalar / 2);
    EXPECT_EQ(türler["title"], 3);
    EXPECT_EQ(türler["lyricblock"], 4) << "the block's four lines";
    const auto denetim = nlohmann::json::parse(cliÇıktısı({"engraving-check", SELVIKA_EXAMPLE}));
    int toplam = 0;
    for (const auto& [_, sayı] : türler) toplam += sayı;
    EXPECT_EQ(denetim["boxes"], toplam);
    for (const char* sorun : {"collision", "syllable", "margin", "doublestem"}) EXPECT_TRUE(denetim["problems"].contains(sorun));
    EXPECT_EQ(denetim["problems"]["margin"], 0);
    // Engraved, every syllable stands under its note and nothing collides
    // (one syllable stood off its note when the lines kept the editor's
    // positions).
    EXPECT_EQ(denetim["problems"]["syllable"], 0);
    EXPECT_EQ(denetim["problems"]["collision"], 0);
    EXPECT_EQ(cli({"pdf", SELVIKA_EXAMPLE, "a.pdf", "--kutular", "k.json"}), 2);
}

// A verse row drawn up close under the staff meets the beams that hang
// below it: on the printed page the row moves down clear of the notes' ink.
TEST_F(Rendering, PrintedVerseRowsClearABeamHangingBelowTheStaff) {
    test::GeçiciKlasör klasör;
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    eser->satırlar[1].heceKayması = -20;  // the verse row drawn up close under the staff
    const auto yol = klasör.yol() / "asagi.EVD";
    eserKaydet(*eser, yol);
    const auto denetim = nlohmann::json::parse(cliÇıktısı({"engraving-check", QString::fromStdString(yol.string())}));
    EXPECT_EQ(denetim["problems"]["collision"], 0) << denetim["collisions"];
}

// Syllables typed with a trailing "-" print without it, with a hyphen in
// the white between them and the next syllable of their word.
TEST_F(Rendering, HyphensStandBetweenTheSyllablesOfAWord) {
    test::GeçiciKlasör klasör;
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    const auto kutuları = [&](const char* ad) {
        const auto yol = klasör.yol() / ad;
        eserKaydet(*eser, yol);
        const auto json = klasör.yol() / "k.json";
        EXPECT_EQ(cli({"pdf", QString::fromStdString(yol.string()), QString::fromStdString((klasör.yol() / "a.pdf").string()),
                       "--boxes", QString::fromStdString(json.string())}),
                  0);
        std::map<std::string, std::vector<std::array<double, 4>>> türler;
        const auto sayfa = nlohmann::json::parse(std::ifstream(json))["pages"][0];
        for (const auto& öğe : sayfa["items"])
            if (öğe["line"] == 1) türler[öğe["kind"].get<std::string>()].push_back(öğe["box"]);
        return türler;
    };
    auto önce = kutuları("a.EVD");
    eser->satırlar[1].güfteSatırları[1] = Text<100>("Üs- kü- dar'a gi- der i- ken al- dı da bir yağ- mur");
    auto sonra = kutuları("b.EVD");
    ASSERT_EQ(sonra["extender"].size(), önce["extender"].size() + 6);
    EXPECT_EQ(sonra["syllable"].size(), önce["syllable"].size());
    for (const auto& tire : sonra["extender"])
        for (const auto& hece : sonra["syllable"])
            EXPECT_FALSE(tire[0] < hece[2] && hece[0] < tire[2] && tire[1] < hece[3] && hece[1] < tire[3]);
}

// Section labels typed where they meet the notes, each other or the paper's
// edge are set clear of all three on the printed page.
TEST_F(Rendering, PrintedExpressionsKeepClearOfNotesEachOtherAndTheMargin) {
    test::GeçiciKlasör klasör;
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    Satır& satır = eser->satırlar[2];
    const Integer notalarınİçi = Integer(konumY(14));
    const std::array<std::pair<int, int>, 3> yerler{{{300, notalarınİçi}, {305, notalarınİçi}, {1000, 20}}};
    for (int k = 1; k <= 3; ++k) {
        satır.ifadeler[k].konum1 = Integer(yerler[k - 1].first);
        satır.ifadeler[k].konum2 = Integer(yerler[k - 1].second);
        satır.ifadeler[k].metin = Text<50>("ARANAĞME");
        satır.ifadeler[k].yazıTipi = eser->başlık.yazıTipleri[3];
    }
    const auto yol = klasör.yol() / "ifade.EVD";
    eserKaydet(*eser, yol);
    const auto denetim = nlohmann::json::parse(cliÇıktısı({"engraving-check", QString::fromStdString(yol.string())}));
    EXPECT_EQ(denetim["problems"]["collision"], 0) << denetim["examples"];
    EXPECT_EQ(denetim["problems"]["margin"], 0) << denetim["examples"];
}

// Asked to, the print layout sets two short lines in one system; their
// boxes still name each element's own line.
TEST_F(Rendering, ShortLinesShareASystemWhenAskedTo) {
    test::GeçiciKlasör klasör;
    EserPtr eser = eserOku(std::filesystem::path(SELVIKA_EXAMPLE)).eser;
    for (int n : {1, 2}) {
        Satır& s = eser->satırlar[n];
        int çizgiler = 0, son = 0;
        for (int i = 1; i <= s.elemanSayısı && çizgiler < 2; ++i) çizgiler += s.elemanlar[i].tür == 43, son = i;
        s.elemanSayısı = Byte(son);
    }
    const auto yol = klasör.yol() / "kisa.EVD";
    eserKaydet(*eser, yol);
    const auto türler = [&](bool birleşik) {
        QStringList a{"pdf", QString::fromStdString(yol.string()), QString::fromStdString((klasör.yol() / "a.pdf").string()),
                      "--boxes", QString::fromStdString((klasör.yol() / "k.json").string())};
        if (birleşik) a << "--join-short-lines";
        EXPECT_EQ(cli(a), 0);
        std::map<std::pair<std::string, int>, int> sayılar;
        const auto sayfa = nlohmann::json::parse(std::ifstream(klasör.yol() / "k.json"))["pages"][0];
        for (const auto& öğe : sayfa["items"]) ++sayılar[{öğe["kind"].get<std::string>(), öğe["line"].get<int>()}];
        return sayılar;
    };
    const auto ayrı = türler(false), birlikte = türler(true);
    EXPECT_EQ(ayrı.at({"clef", 2}), 1);
    EXPECT_FALSE(birlikte.contains({"clef", 2})) << "line 2 follows line 1 on its staff";
    for (int n : {1, 2}) EXPECT_EQ(birlikte.at({"head", n}), ayrı.at({"head", n}));
    const auto denetim = nlohmann::json::parse(
        cliÇıktısı({"engraving-check", QString::fromStdString(yol.string()), "--join-short-lines"}));
    EXPECT_EQ(denetim["problems"]["collision"], 0);
    EXPECT_EQ(denetim["problems"]["syllable"], 0);
}

}  // namespace
}  // namespace selvika

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication uygulama(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "core/preferences_file.h"

#include "core/file_io.h"
#include "core/packing.h"

namespace selvika {
namespace {

static_assert(packedSizeOf<TercihKaydı> == 256);

bool arada(int değer, int en, int son) { return değer >= en && değer <= son; }
bool mantıksal(Boolean b) { return b.value == 0 || b.value == -1; }

template <class T>
void düzelt(T& değer, const T& varsayılan, bool geçerli, const char* ad, std::vector<std::string>& adlar) {
    if (geçerli) return;
    değer = varsayılan;
    adlar.push_back(ad);
}

// A value outside what the dialog can show becomes its default, by itself:
// the others keep what the user chose.
std::vector<std::string> sınırlarınaGetir(TercihKaydı& t) {
    const TercihKaydı v = varsayılanTercihler();
    std::vector<std::string> adlar;
    GörünümSeçimleri& g = t.görünümSeçimleri;
    düzelt(g.a, v.görünümSeçimleri.a, arada(g.a, 0, 4), "dolap çizgileri", adlar);
    düzelt(g.b, v.görünümSeçimleri.b, arada(g.b, 0, 4), "saz payı çizgileri", adlar);
    düzelt(g.c, v.görünümSeçimleri.c, arada(g.c, 0, 4), "hece devam çizgileri", adlar);
    GörünümAyarları& a = t.ayarlar;
    düzelt(a.liezonKalınlığı1, v.ayarlar.liezonKalınlığı1, arada(a.liezonKalınlığı1, 1, 3), "baskıda liezon kalınlığı", adlar);
    düzelt(a.liezonKalınlığı2, v.ayarlar.liezonKalınlığı2, arada(a.liezonKalınlığı2, 1, 3), "ekranda liezon kalınlığı", adlar);
    düzelt(a.fareİmleci, v.ayarlar.fareİmleci, arada(a.fareİmleci, 0, 2), "fare imleci", adlar);
    düzelt(t.trioleGörünümü, v.trioleGörünümü, mantıksal(t.trioleGörünümü), "triole", adlar);
    düzelt(t.normalModaDön, v.normalModaDön, mantıksal(t.normalModaDön), "normal moda dönüş", adlar);
    düzelt(t.ekÇizgileriGöster, v.ekÇizgileriGöster, mantıksal(t.ekÇizgileriGöster), "ek çizgiler", adlar);
    düzelt(t.uyarıSesleri, v.uyarıSesleri, mantıksal(t.uyarıSesleri), "uyarı sesleri", adlar);
    düzelt(t.güfteYeri, v.güfteYeri, arada(t.güfteYeri, 0, 1), "güftenin yeri", adlar);
    return adlar;
}

}  // namespace

TercihKaydı tercihleriOku(const std::filesystem::path& klasör, std::string* uyarı) {
    TercihKaydı tercihler = varsayılanTercihler();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(klasör / tercihDosyası, ec)) return tercihler;
    try {
        auto baytlar = readFile(klasör / tercihDosyası, packedSizeOf<TercihKaydı>);
        TercihKaydı okunan;
        if (PackReader(baytlar).read(okunan)) tercihler = okunan;
    } catch (const DosyaHatası&) {
        // An unreadable preferences file counts as none.
    }
    const auto geçersizler = sınırlarınaGetir(tercihler);
    if (uyarı && !geçersizler.empty()) {
        *uyarı = std::string(tercihDosyası) + " dosyasındaki " + std::to_string(geçersizler.size()) +
                 " değer geçersizdi; yerlerine varsayılanları kondu: ";
        for (std::size_t i = 0; i < geçersizler.size(); ++i) *uyarı += (i ? ", " : "") + geçersizler[i];
        *uyarı += ".";
    }
    return tercihler;
}

void tercihleriYaz(const std::filesystem::path& klasör, const TercihKaydı& tercihler) {
    replaceFile(klasör / tercihDosyası, pack(tercihler));
}

}  // namespace selvika

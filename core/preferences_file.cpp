#include "core/preferences_file.h"

#include "core/file_io.h"
#include "core/packing.h"

namespace selvika {

static_assert(packedSizeOf<TercihKaydı> == 256);

TercihKaydı tercihleriOku(const std::filesystem::path& klasör) {
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
    return tercihler;
}

void tercihleriYaz(const std::filesystem::path& klasör, const TercihKaydı& tercihler) {
    replaceFile(klasör / tercihDosyası, pack(tercihler));
}

}  // namespace selvika

#include "core/data_file.h"

#include <cerrno>

#include "core/file_io.h"

namespace selvika {

std::optional<std::string> veriDosyasıOkunamıyor(const std::filesystem::path& yol) {
    const std::string ad = yol.filename().string() + " dosyası ";
    try {
        if (readFile(yol, 1).empty()) return veriDosyasıBozuk(yol, "boş");
    } catch (const DosyaHatası& hata) {
        switch (hata.sistemHatası) {
            case ENOENT: return ad + "bulunamadı.";
            case EISDIR: return ad + "bir klasör, dosya değil.";
            default: return ad + "okunamadı: " + okumaSebebi(hata.sistemHatası) + ".";
        }
    }
    return std::nullopt;
}

std::string veriDosyasıBozuk(const std::filesystem::path& yol, const std::string& neden) {
    return yol.filename().string() + " dosyası bozuk: " + neden + ".";
}

}  // namespace selvika

#include "interchange/symbtr_command.h"

#include "interchange/import_command.h"
#include "interchange/symbtr_import.h"

namespace selvika {

std::optional<std::filesystem::path> symbTrdenAl(const std::filesystem::path& klasör, Etkileşim& etkileşim) {
    const İçeAlmaKomutu komut{symbTrSüzgeci, "txt", symbTrBaşlığı, [](const auto& yol) { return symbTrAl(yol); }};
    return dosyadanAl(komut, klasör, etkileşim);
}

}  // namespace selvika

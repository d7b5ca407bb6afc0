#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "core/interaction.h"
#include "interchange/import_report.h"

namespace selvika {

// What a "Dosya" menu import asks for and how it reads what it is given.
struct İçeAlmaKomutu {
    std::string_view süzgeç, uzantı, başlık;
    std::function<İçeAlma(const std::filesystem::path&)> al;
};

// Asks for the file to bring in (starting in `klasör`) and for the score
// file to write it to, writes the score and tells what it could not carry
// over. The new score's path, for the caller to open; nothing after a
// cancel or a failure, which is told.
std::optional<std::filesystem::path> dosyadanAl(const İçeAlmaKomutu& komut, const std::filesystem::path& klasör,
                                                Etkileşim& etkileşim);

}  // namespace selvika

#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace selvika {

// Messages about a data file of the program folder, named by its file name:
// "BigEsel.png dosyası bulunamadı." and the like.

// Why the file cannot be used at all (missing, a folder, unreadable, empty),
// or nothing when there are bytes to read.
std::optional<std::string> veriDosyasıOkunamıyor(const std::filesystem::path& yol);

// The file is there but its content is not what it must be.
std::string veriDosyasıBozuk(const std::filesystem::path& yol, const std::string& neden);

}  // namespace selvika

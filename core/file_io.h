#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>
#include <stdexcept>

namespace selvika {

// A file could not be written or read; what() is a message for the user.
class DosyaHatası : public std::runtime_error {
public:
    explicit DosyaHatası(const std::string& metin, int sistemHatası = 0)
        : std::runtime_error(metin), sistemHatası(sistemHatası) {}
    int sistemHatası;  // the system's error number, 0 when the fault is the file's content
};

// Why a file could not be written or read, for the user, from the system's
// error number.
std::string yazmaSebebi(int hata);
std::string okumaSebebi(int hata);

// Replaces the file at `path` with `bytes` so that a failure at any moment
// leaves either the old file or the new one, never a mix: the bytes go to a
// temporary file of its own beside it, reach the disk, and only then take
// its name. A symbolic link is followed to the file it names; the file keeps
// its permissions, owner and group, and all its names when it has several.
// A read-only file and anything not a plain file are refused. Saves into one
// folder wait for each other. Every file the program writes goes through
// here; throws DosyaHatası.
void replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// Copies the file at `kaynak` to `yedek`, permissions with it; nothing when
// there is no such file.
void yedekle(const std::filesystem::path& kaynak, const std::filesystem::path& yedek);

// Removes the temporary files that saves killed halfway left in `klasör`.
void eskiGeçicileriSil(const std::filesystem::path& klasör);

// The file's bytes, at most `limit` of them; the message names the reason
// when there are none: missing, a folder, no permission, a disk error.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace selvika

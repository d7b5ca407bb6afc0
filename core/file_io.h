#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>
#include <stdexcept>

namespace selvika {

// A file could not be written or read; what() is a message for the user.
class DosyaHatası : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces the file at `path` with `bytes` so that a failure at any moment
// leaves either the old file or the new one, never a mix: the bytes go to a
// temporary file beside it, reach the disk, and only then take its name.
void replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The file's bytes, at most `limit` of them.
std::vector<std::uint8_t> readFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace selvika

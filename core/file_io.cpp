#include "core/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>

namespace selvika {
namespace {

std::string sebep(int hata) {
    switch (hata) {
        case ENOSPC: return "diskte yer kalmadı";
        case EDQUOT: return "disk kotası doldu";
        case EACCES:
        case EPERM: return "bu klasöre yazma izniniz yok";
        case EROFS: return "disk yalnızca okunabilir";
        case ENOENT: return "klasör bulunamadı";
        case EISDIR: return "bu ad bir klasörün";
        case EFBIG: return "dosya izin verilen boyutu aşıyor";
        default: return std::strerror(hata);
    }
}

[[noreturn]] void yazılamadı(const std::filesystem::path& path, int hata) {
    throw DosyaHatası("\"" + path.string() + "\" kaydedilemedi: " + sebep(hata) + ".");
}

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

void replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::filesystem::path temporary = path;
    temporary.replace_filename("." + path.filename().string() + ".kaydediliyor");
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) yazılamadı(path, errno);
    bool written = writeAll(fd, bytes) && ::fsync(fd) == 0;
    int hata = errno;
    if (::close(fd) != 0 && written) {
        written = false;
        hata = errno;
    }
    if (written && ::rename(temporary.c_str(), path.c_str()) == 0) {
        syncFolder(path.parent_path());
        return;
    }
    if (written) hata = errno;
    ::unlink(temporary.c_str());
    yazılamadı(path, hata);
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path, std::size_t limit) {
    const std::string ad = "\"" + path.string() + "\"";
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) throw DosyaHatası(ad + " bulunamadı.");
    if (std::filesystem::is_directory(path, ec)) throw DosyaHatası(ad + " bir klasör, dosya değil.");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw DosyaHatası(ad + " açılamadı: " + sebep(errno) + ".");
    std::vector<std::uint8_t> bytes(limit);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(limit));
    if (in.bad()) throw DosyaHatası(ad + " okunamadı.");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

}  // namespace selvika

#include "core/working_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "core/file_io.h"

namespace selvika {
namespace {

std::filesystem::path evKlasörü() {
    if (const char* ev = std::getenv("HOME"); ev && *ev) return ev;
    const passwd* kullanıcı = ::getpwuid(::getuid());
    return kullanıcı ? kullanıcı->pw_dir : "/";
}

// A relative XDG_DATA_HOME is to be ignored, as if it were not set.
std::filesystem::path kullanıcıVeriKlasörü() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && std::filesystem::path(xdg).is_absolute()) return xdg;
    return evKlasörü() / ".local" / "share";
}

}  // namespace

std::filesystem::path çalışmaKlasörü(const std::filesystem::path& programKlasörü) {
    if (::access(programKlasörü.c_str(), W_OK | X_OK) == 0) return programKlasörü;
    const std::filesystem::path klasör = kullanıcıVeriKlasörü() / "selvika";
    std::error_code hata;
    std::filesystem::create_directories(klasör, hata);
    if (hata)
        throw DosyaHatası("Selvika başlatılamadı. \"" + klasör.string() +
                              "\" klasörü oluşturulamadı: " + yazmaSebebi(hata.value()) + ".",
                          hata.value());
    return klasör;
}

}  // namespace selvika

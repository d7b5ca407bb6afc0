#include "core/file_io.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>
#include <string>

namespace selvika {

std::string yazmaSebebi(int hata) {
    switch (hata) {
        case ENOSPC: return "diskte yer kalmadı";
        case EDQUOT: return "disk kotası doldu";
        case EACCES:
        case EPERM: return "bu klasöre yazma izniniz yok";
        case EROFS: return "disk yalnızca okunabilir";
        case ENOENT: return "klasör bulunamadı";
        case EISDIR: return "bu ad bir klasörün";
        case EFBIG: return "dosya izin verilen boyutu aşıyor";
        case EIO: return "diske yazılırken G/Ç hatası oldu";
        default: return std::strerror(hata);
    }
}

std::string okumaSebebi(int hata) {
    switch (hata) {
        case ENOENT: return "dosya bulunamadı";
        case EACCES:
        case EPERM: return "bu dosyayı okuma izniniz yok";
        case EIO: return "diskten okunurken G/Ç hatası oldu";
        case EISDIR: return "bu ad bir klasörün";
        case ENODEV: return "bu ad bir dosyanın değil, bir aygıtın ya da borunun";
        default: return std::strerror(hata);
    }
}

namespace {

// Temporary files of a save are named ".NAME.XXXXXX.kaydediliyor"; older
// versions used ".NAME.kaydediliyor".
constexpr std::string_view geçiciEki = ".kaydediliyor";

[[noreturn]] void okunamadı(const std::filesystem::path& path, int hata) {
    const std::string ad = "\"" + path.string() + "\"";
    switch (hata) {
        case ENOENT: throw DosyaHatası(ad + " bulunamadı.", hata);
        case EISDIR: throw DosyaHatası(ad + " bir klasör, dosya değil.", hata);
        case ENODEV: throw DosyaHatası(ad + " bir dosya değil, bir aygıt ya da boru.", hata);
        default: throw DosyaHatası(ad + " okunamadı: " + okumaSebebi(hata) + ".", hata);
    }
}

[[noreturn]] void kaydedilemedi(const std::filesystem::path& path, const std::string& neden) {
    throw DosyaHatası("\"" + path.string() + "\" kaydedilemedi: " + neden + ".");
}

[[noreturn]] void yazılamadı(const std::filesystem::path& path, int hata) { kaydedilemedi(path, yazmaSebebi(hata)); }

bool writeAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return true;
}

std::filesystem::path klasörü(const std::filesystem::path& path) {
    return path.has_parent_path() ? path.parent_path() : ".";
}

void syncFolder(const std::filesystem::path& folder) {
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// A save writes the file a symbolic link names, so the link stays a link.
// A loop of links is left for the system to report.
std::filesystem::path bağınHedefi(std::filesystem::path path) {
    for (int adım = 0; adım < 40; ++adım) {
        std::error_code ec;
        if (!std::filesystem::is_symlink(path, ec)) return path;
        const auto hedef = std::filesystem::read_symlink(path, ec);
        if (ec) return path;
        path = hedef.is_absolute() ? hedef : klasörü(path) / hedef;
    }
    return path;
}

// Saves into one folder take turns: two saves of a score at once must not
// mix, and the clean-up must not take a temporary file still being written.
// The kernel drops the lock of a killed program.
class KlasörKilidi {
public:
    explicit KlasörKilidi(const std::filesystem::path& klasör)
        : fd_(::open(klasör.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {}
    }
    ~KlasörKilidi() {
        if (fd_ >= 0) ::close(fd_);
    }
    KlasörKilidi(const KlasörKilidi&) = delete;
    KlasörKilidi& operator=(const KlasörKilidi&) = delete;

private:
    int fd_;
};

struct GeçiciDosya {
    std::filesystem::path yol;
    int fd = -1;
};

// A new file of a name no other save uses, beside `hedef`.
GeçiciDosya geçiciAç(const std::filesystem::path& ad, const std::filesystem::path& hedef, mode_t izin) {
    static constexpr std::string_view harfler = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 üreteç{std::random_device{}()};
    for (int deneme = 0; deneme < 100; ++deneme) {
        std::string ek(6, ' ');
        for (char& c : ek) c = harfler[üreteç() % harfler.size()];
        GeçiciDosya g{hedef, -1};
        g.yol.replace_filename("." + hedef.filename().string() + "." + ek + std::string(geçiciEki));
        g.fd = ::open(g.yol.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, izin & 0777);
        if (g.fd >= 0) return g;
        if (errno != EEXIST) yazılamadı(ad, errno);
    }
    yazılamadı(ad, EEXIST);
}

// Only a plain file the user may write is replaced.
void hedefiDenetle(const std::filesystem::path& ad, const std::filesystem::path& hedef, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) yazılamadı(ad, EISDIR);
    if (!S_ISREG(st.st_mode)) kaydedilemedi(ad, "bu ad bir dosyanın değil, bir aygıtın ya da borunun");
    if ((st.st_mode & 0222) == 0 || (::access(hedef.c_str(), W_OK) != 0 && errno != EROFS))
        kaydedilemedi(ad, "dosya yalnızca okunabilir");
}

// The new file gets the old one's owner, group and permissions; an owner
// the user may not give is left as the user's own.
void sahipliğiKoru(int fd, const struct stat& st) {
    if (::fchown(fd, st.st_uid, st.st_gid) != 0) (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
    ::fchmod(fd, st.st_mode & 07777);
}

// A file with several names stays one file: the bytes, already safe in the
// temporary file, are written into it.
bool yerindeYaz(const std::filesystem::path& hedef, std::span<const std::uint8_t> bytes, int& hata) {
    int fd = ::open(hedef.c_str(), O_WRONLY | O_CLOEXEC);
    bool yazıldı = fd >= 0 && writeAll(fd, bytes) && ::ftruncate(fd, static_cast<off_t>(bytes.size())) == 0 &&
                   ::fsync(fd) == 0;
    hata = errno;
    if (fd >= 0) ::close(fd);
    return yazıldı;
}

void yerineYaz(const std::filesystem::path& ad, std::span<const std::uint8_t> bytes, const struct stat* örnek) {
    const std::filesystem::path hedef = bağınHedefi(ad);
    KlasörKilidi kilit(klasörü(hedef));
    struct stat st {};
    const bool var = ::stat(hedef.c_str(), &st) == 0;
    if (!var && errno != ENOENT) yazılamadı(ad, errno);
    if (var) hedefiDenetle(ad, hedef, st);
    const struct stat* izinler = var ? &st : örnek;
    GeçiciDosya geçici = geçiciAç(ad, hedef, izinler ? izinler->st_mode : 0666);
    if (izinler) sahipliğiKoru(geçici.fd, *izinler);
    bool yazıldı = writeAll(geçici.fd, bytes) && ::fsync(geçici.fd) == 0;
    int hata = errno;
    if (::close(geçici.fd) != 0 && yazıldı) {
        yazıldı = false;
        hata = errno;
    }
    if (yazıldı && var && st.st_nlink > 1) {
        yazıldı = yerindeYaz(hedef, bytes, hata);
    } else if (yazıldı && ::rename(geçici.yol.c_str(), hedef.c_str()) == 0) {
        syncFolder(klasörü(hedef));
        return;
    } else if (yazıldı) {
        hata = errno;
        yazıldı = false;
    }
    ::unlink(geçici.yol.c_str());
    if (!yazıldı) yazılamadı(ad, hata);
}

}  // namespace

void replaceFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    yerineYaz(path, bytes, nullptr);
}

void yedekle(const std::filesystem::path& kaynak, const std::filesystem::path& yedek) {
    struct stat st {};
    if (::stat(kaynak.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    yerineYaz(yedek, readFile(kaynak, static_cast<std::size_t>(st.st_size)), &st);
}

void eskiGeçicileriSil(const std::filesystem::path& klasör) {
    KlasörKilidi kilit(klasör);
    std::error_code ec;
    for (const auto& d : std::filesystem::directory_iterator(klasör, ec)) {
        const std::string ad = d.path().filename().string();
        if (ad.size() > geçiciEki.size() + 1 && ad.front() == '.' && ad.ends_with(geçiciEki) &&
            d.is_regular_file(ec) && !d.is_symlink(ec))
            ::unlink(d.path().c_str());
    }
}

std::vector<std::uint8_t> readFile(const std::filesystem::path& path, std::size_t limit) {
    // Not blocking: a pipe would wait for a writer that never comes.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) okunamadı(path, errno);
    struct stat st {};
    int hata = ::fstat(fd, &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : !S_ISREG(st.st_mode) ? ENODEV : 0;
    std::vector<std::uint8_t> bytes(hata ? 0 : limit);
    std::size_t okunan = 0;
    while (!hata && okunan < limit) {
        ssize_t n = ::read(fd, bytes.data() + okunan, limit - okunan);
        if (n < 0 && errno != EINTR) hata = errno;
        if (n == 0) break;
        if (n > 0) okunan += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (hata) okunamadı(path, hata);
    bytes.resize(okunan);
    return bytes;
}

}  // namespace selvika

#include "core/code_page.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace selvika {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        if (handle_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(handle_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts the whole input; on an input sequence the target lacks, puts
    // `substitute` in the output and steps over `skip(rest)` input bytes.
    template <class Skip>
    std::string run(std::string_view in, std::string_view substitute, Skip skip) {
        iconv(handle_, nullptr, nullptr, nullptr, nullptr);
        std::string out;
        char buffer[256];
        auto* src = const_cast<char*>(in.data());
        std::size_t srcLeft = in.size();
        while (srcLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            std::size_t done = iconv(handle_, &src, &srcLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            if (done != static_cast<std::size_t>(-1) || errno == E2BIG) continue;
            out += substitute;
            std::size_t n = std::min(skip(std::string_view(src, srcLeft)), srcLeft);
            src += n;
            srcLeft -= n;
        }
        return out;
    }

private:
    iconv_t handle_;
};

// Length of the (possibly broken) UTF-8 sequence at the start of `s`.
std::size_t utf8SequenceLength(std::string_view s) {
    auto lead = static_cast<unsigned char>(s.front());
    std::size_t n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    std::size_t i = 1;
    while (i < n && i < s.size() && (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) ++i;
    return i;
}

}  // namespace

std::string toCodePage(std::string_view utf8) {
    thread_local Converter converter("CP1254", "UTF-8");
    return converter.run(utf8, "?", utf8SequenceLength);
}

std::string fromCodePage(std::string_view cp1254) {
    thread_local Converter converter("UTF-8", "CP1254");
    return converter.run(cp1254, "\xEF\xBF\xBD", [](std::string_view) { return std::size_t{1}; });
}

}  // namespace selvika

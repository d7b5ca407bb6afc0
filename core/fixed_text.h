#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/code_page.h"

namespace selvika {

// A Text*N field: exactly N characters, padded on the right with blanks and
// cut when longer. The characters are held as their code page 1254 bytes, the
// form they take in files, so a field read from a file is written back byte
// for byte; text meets the user as UTF-8 through the conversions below.
template <std::size_t N>
class Text {
public:
    static constexpr std::size_t length = N;

    constexpr Text() { bytes_.fill(' '); }
    explicit Text(std::string_view utf8) { assignCodePage(toCodePage(utf8)); }

    static constexpr Text filled(char c) {
        Text t;
        t.bytes_.fill(c);
        return t;
    }

    static constexpr Text fromCodePageBytes(std::string_view cp1254) {
        Text t;
        t.assignCodePage(cp1254);
        return t;
    }

    constexpr std::string_view codePage() const { return {bytes_.data(), N}; }
    std::string utf8() const { return fromCodePage(codePage()); }

    // The text without its leading and trailing blanks; the zero bytes of
    // an empty element slot count as blanks.
    constexpr std::string_view trimmedCodePage() const {
        constexpr std::string_view boşluklar{" \0", 2};
        std::string_view s = codePage();
        auto first = s.find_first_not_of(boşluklar);
        if (first == std::string_view::npos) return {};
        return s.substr(first, s.find_last_not_of(boşluklar) - first + 1);
    }
    std::string trimmed() const { return fromCodePage(trimmedCodePage()); }
    constexpr bool blank() const { return trimmedCodePage().empty(); }

    constexpr bool operator==(const Text&) const = default;

    static constexpr void fields(auto& r, auto&& f) { f(r.bytes_); }

private:
    constexpr void assignCodePage(std::string_view cp1254) {
        bytes_.fill(' ');
        std::copy_n(cp1254.begin(), std::min(cp1254.size(), N), bytes_.begin());
    }

    std::array<char, N> bytes_{};
};

}  // namespace selvika

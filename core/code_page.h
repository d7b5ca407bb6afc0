#pragma once

#include <string>
#include <string_view>

namespace selvika {

// Score texts are Windows code page 1254 (Turkish), one byte a character.
// The conversions never fail: a character the code page lacks becomes "?",
// a byte the code page leaves undefined becomes U+FFFD.
std::string toCodePage(std::string_view utf8);
std::string fromCodePage(std::string_view cp1254);

}  // namespace selvika

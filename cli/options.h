#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace selvika::cli {

// Reads a command's arguments into its CLI11 options. A mistake is told in
// Turkish on standard error, followed by the command's usage and its
// options: false.
bool seçenekleriOku(CLI::App& uygulama, std::span<const std::string> argümanlar, std::string_view kullanım);

// A check of one value that tells what it expects: `beklenen` completes
// "… olmalı".
CLI::Validator doğrulayıcı(std::function<bool(const std::string&)> geçerli, std::string beklenen);

// A whole number from `en` to `çok`.
CLI::Validator aralık(int en, int çok);

}  // namespace selvika::cli

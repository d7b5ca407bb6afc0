#pragma once
// Every harness of this folder defines the two functions below. The harness
// is linked twice: with libFuzzer, which feeds LLVMFuzzerTestOneInput, and
// with seed_main.cpp, which writes the seeds into the corpus the fuzzer
// starts from. The seeds are files the project's own writers make.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace selvika::fuzz {

using Baytlar = std::vector<std::uint8_t>;

std::vector<Baytlar> tohumlar();

// The file `ad` holding `baytlar` in a folder of this process's own, made
// anew for every input; its folder is what readers of a program folder take.
std::filesystem::path dosyaOlarak(std::string_view ad, std::span<const std::uint8_t> baytlar);

Baytlar dosyaBaytları(const std::filesystem::path& yol);

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy);

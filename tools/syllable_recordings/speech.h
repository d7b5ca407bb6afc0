#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

namespace selvika {

// Sound while it is being shaped: mono samples at the program's rate,
// full scale at ±1.
using Ses = std::vector<float>;

// espeak-ng's Turkish voice, speaking into memory, and its variant without
// pitch flutter in the voice file `şarkıSesi` for singing. The library's
// state belongs to the whole process, so make only one of these.
class TürkçeSes {
public:
    explicit TürkçeSes(std::filesystem::path şarkıSesi);  // std::runtime_error when the library fails
    ~TürkçeSes();
    TürkçeSes(const TürkçeSes&) = delete;
    TürkçeSes& operator=(const TürkçeSes&) = delete;

    // `metin` as spoken words, or, `tekdüze`, by the singing voice at the
    // slowest rate on one flat pitch; the silence around it trimmed.
    Ses söyle(std::string_view metin, bool tekdüze);

private:
    std::filesystem::path şarkıSesi_;
    int hız_;  // the voice's samples per second
};

}  // namespace selvika

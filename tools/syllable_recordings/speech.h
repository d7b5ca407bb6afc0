#pragma once

#include <string_view>
#include <vector>

namespace selvika {

// Sound while it is being shaped: mono samples at the program's rate,
// full scale at ±1.
using Ses = std::vector<float>;

// espeak-ng's Turkish voice, speaking into memory. The library keeps one
// voice for the whole process, so make only one of these.
class TürkçeSes {
public:
    TürkçeSes();  // std::runtime_error when the library or the voice fails
    ~TürkçeSes();
    TürkçeSes(const TürkçeSes&) = delete;
    TürkçeSes& operator=(const TürkçeSes&) = delete;

    // `metin` as spoken words, or, `tekdüze`, at the slowest rate on one
    // flat pitch, ready to be sung; the silence around it trimmed.
    Ses söyle(std::string_view metin, bool tekdüze);

private:
    int hız_;  // the voice's samples per second
};

}  // namespace selvika

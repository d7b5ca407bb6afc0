#pragma once

#include <istream>
#include <stdexcept>
#include <vector>

#include "rhythm/usul_library.h"

namespace selvika {

// A line of the usul text that cannot become a record; what() names the line
// and the usul.
class UsulMetniHatası : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The usuls of data/usuller.txt as library records, in the order written.
std::vector<UsulKaydı> usulMetniniOku(std::istream& metin);

}  // namespace selvika

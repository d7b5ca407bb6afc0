#include "cli/offscreen.h"

#include <cstdlib>

namespace selvika::cli {

namespace {

int ekransız() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return 1;
}

}  // namespace

EkransızUygulama::EkransızUygulama() : argc_(ekransız()), uygulama_(argc_, argv_) {}

}  // namespace selvika::cli

#include "audio/alsa_quiet.h"

#include <alsa/asoundlib.h>

namespace selvika {
namespace {

void sus(const char*, int, const char*, int, const char*, ...) {}

}  // namespace

void alsaUyarılarınıSustur() { snd_lib_error_set_handler(sus); }

}  // namespace selvika

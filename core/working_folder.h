#pragma once

#include <filesystem>

namespace selvika {

// Where the program keeps the files it writes for itself (the preferences,
// the undo ring, the lock, the tuned notes, the cins library, renderings):
// the program folder while the user may write there, as always; otherwise,
// as for an installed program, the user's data folder `$XDG_DATA_HOME/selvika`
// (`~/.local/share/selvika` without it), made when missing. Throws
// DosyaHatası when that folder cannot be made.
std::filesystem::path çalışmaKlasörü(const std::filesystem::path& programKlasörü);

}  // namespace selvika

// usul_library: writes the usul library usuller.usl from its readable source.
//     usul_library data/usuller.txt OUT/usuller.usl

#include <fstream>
#include <iostream>

#include "core/file_io.h"
#include "tools/usul_library/usul_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: usul_library USULLER.TXT USULLER.USL\n";
        return 2;
    }
    std::ifstream metin(argv[1]);
    if (!metin) {
        std::cerr << argv[1] << ": cannot be read\n";
        return 1;
    }
    try {
        selvika::PackWriter yazıcı;
        for (const auto& kayıt : selvika::usulMetniniOku(metin)) yazıcı.write(kayıt);
        selvika::replaceFile(argv[2], yazıcı.bytes());
    } catch (const std::exception& hata) {
        std::cerr << argv[1] << ": " << hata.what() << '\n';
        return 1;
    }
}

#include "tests/support/score_fixtures.h"

#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>

#include "core/defaults.h"

namespace selvika::test {
namespace {

Eleman nota(Byte perde, Byte süre, Integer x) {
    Eleman e;
    e.tür = perde;
    e.süre = süre;
    e.genişlik = 15;
    e.konum.x = x;
    e.sapYönü = Text<1>(perde < 11 ? "d" : "p");
    e.boyut = 30;
    return e;
}

Eleman işaret(Byte tür, Byte usulNo, Integer x) {
    Eleman e;
    e.tür = tür;
    e.usulNo = usulNo;
    e.genişlik = 17;
    e.konum.x = x;
    return e;
}

void ekle(Satır& s, const Eleman& e) { s.elemanlar[++s.elemanSayısı] = e; }

}  // namespace

EserPtr örnekEser() {
    EserPtr eser = yeniEser(varsayılanTercihler());
    eser->başlık.eserAdı = Text<16>("Üsküdar'a gider");
    eser->başlık.başlıklar[1].metin = Text<50>("ÜSKÜDAR'A GİDER İKEN");
    eser->başlık.güfteBlokları[1].metin = Text<250>("Üsküdar'a gider iken aldı da bir yağmur, kâtibimin setresi uzun eteği çamur.");
    const char* heceler[] = {"Üs-kü-dar'a gi-der i-ken", "al-dı da bir yağ-mur", "Kâ-ti-bi-min set-re-si",
                             "u-zun e-te-ği ça-mur", "Kâ-tip uy-ku-dan uyan-mış"};
    for (int n = 1; n <= 5; ++n) {
        Satır& s = eser->satırlar[n];
        Integer x = 40;
        ekle(s, işaret(tür::donanım, 19, x));
        if (n == 1) ekle(s, işaret(tür::usul, 5, x += 20));
        for (int j = 0; j < 8; ++j) {
            Eleman e = nota(static_cast<Byte>(10 + (n + j) % 6), j % 3 == 0 ? 4 : 8, x += 40);
            e.nokta = j == 3;
            e.arıza.arıza = j == 5 ? -4 : 0;
            e.hece = j % 2 == 0;
            if (j == 1 || j == 2) e.gurup.gurupYeri = static_cast<Byte>(j);
            ekle(s, e);
            if (j == 3) ekle(s, işaret(33, 0, x += 30));
        }
        ekle(s, işaret(tür::sus, 0, x += 40));
        s.elemanlar[s.elemanSayısı].süre = 4;
        ekle(s, işaret(33, 0, x += 30));
        s.güfteSatırları[1] = Text<100>(heceler[n - 1]);
        if (n % 2) s.güfteSatırları[2] = Text<100>("  ikinci kıta  ");
        s.ifadeler[n % 3 + 1].konum1 = static_cast<Integer>(100 * n);
        s.ifadeler[n % 3 + 1].metin = Text<50>(n == 1 ? "Ağır" : "Çabuk");
    }
    return eser;
}

EserPtr herAlanıDoluEser(unsigned tohum) {
    EserPtr eser = std::make_unique<Eser>();
    rastgeleDoldur(eser->başlık, tohum);
    eser->sürüm = 1500;
    // Opening replaces a line-play record of another name and zero view settings.
    eser->başlık.satırPasajı.ad = Text<16>("Satır");
    eser->başlık.ayarlar.liezonKalınlığı1 |= 1;
    eser->başlık.ayarlar.liezonKalınlığı2 |= 1;
    std::mt19937 üreteç(tohum);
    for (int n = 1; n <= satırSayısı; ++n) {
        Satır& s = eser->satırlar[n];
        rastgeleDoldur(s, tohum + static_cast<unsigned>(n));
        s.elemanSayısı = static_cast<Byte>(n % 7 == 0 ? 0 : üreteç() % (sonElemanYuvası + 1));
        for (int j = s.elemanSayısı + 1; j <= sonElemanYuvası; ++j) s.elemanlar[j] = Eleman{};
        for (int k = 1; k <= 4; ++k)
            if (k == n % 5) s.güfteSatırları[k] = Text<100>();
            else s.güfteSatırları[k] = Text<100>::fromCodePageBytes(std::string(1 + üreteç() % 99, static_cast<char>('A' + k)));
        for (int slot = 1; slot <= 3; ++slot)
            s.ifadeler[slot].konum1 = (n >> (slot - 1)) & 1 ? static_cast<Integer>(1 + üreteç() % 900) : 0;
    }
    return eser;
}

GeçiciKlasör::GeçiciKlasör() {
    std::string şablon = (std::filesystem::temp_directory_path() / "selvika-test-XXXXXX").string();
    yol_ = ::mkdtemp(şablon.data());
}

GeçiciKlasör::~GeçiciKlasör() {
    std::error_code ec;
    std::filesystem::remove_all(yol_, ec);
}

bool başkaKullanıcıOlarak(const std::function<bool()>& iş) {
    const pid_t çocuk = ::fork();
    if (çocuk == 0) {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) ::_exit(2);
        ::_exit(iş() ? 0 : 1);
    }
    int durum = 0;
    ::waitpid(çocuk, &durum, 0);
    return WIFEXITED(durum) && WEXITSTATUS(durum) == 0;
}

std::vector<std::uint8_t> dosyaBaytları(const std::filesystem::path& yol) {
    std::ifstream in(yol, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void dosyaYaz(const std::filesystem::path& yol, const std::vector<std::uint8_t>& baytlar) {
    std::ofstream(yol, std::ios::binary).write(reinterpret_cast<const char*>(baytlar.data()),
                                               static_cast<std::streamsize>(baytlar.size()));
}

}  // namespace selvika::test

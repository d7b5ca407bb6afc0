#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/score.h"

namespace selvika {

// What the system knows of fonts: the window answers from its font database.
class YazıTipiSorgusu {
public:
    virtual ~YazıTipiSorgusu() = default;
    virtual bool var(const std::string& yüz) const = 0;
    // The face that stands in for one the system lacks.
    virtual std::string yerineGeçen() const = 0;
};

inline constexpr const char* yazıTipiDeğiştirildi = "Bu yazıtipi sizin makinanızda olmadığı için değiştirildi.";
inline constexpr const char* değiştirilmişKaydedilir = "Eseri kaydederseniz değiştirilmiş şekli ile kaydedilecektir.";
inline constexpr const char* kaydetmedenÇıkın = "Orijinal yazıtipini değiştirmek istemiyorsanız kaydetmeden çıkınız.";

// The face that draws a common Windows face at the same size where the
// Windows face is missing (Liberation and DejaVu are made to its metrics);
// nothing for other faces. Names are matched without regard to case.
std::optional<std::string> eşYüz(std::string_view yüz);

// `FontDenetim`: trims every face name the score uses and replaces each face
// the system lacks and has no stand-in for (`eşYüz`). Returns the replaced
// names, each once, in the order met.
std::vector<std::string> yazıTipleriniDenetle(Eser& eser, const YazıTipiSorgusu& sorgu);

}  // namespace selvika

#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "audio/performance_render.h"
#include "core/line.h"
#include "core/passage.h"

namespace selvika {

inline constexpr std::string_view satırAkortuYapılamadı = "Bir hata ile karşılaşıldı.";
inline constexpr std::string_view satırYazılamadı = "Açık kalan seslendirme proğramlarını kapatın, tekrar deneyin.";

// Line play: the tuned notes of line `satırNo` are made, then the line is
// rendered as a passage of the line-play record `satırPasajı` into the WAV
// file `çıktı`, deleted first: its soloist alone on the channel of the
// record's two lowest channel bits, at the steady tempo of its metronome,
// without rhythm. The playing time in milliseconds, or nothing when the
// tuned notes could not be made, nothing was rendered or the file could not
// be written.
std::optional<double> satırıSeslendir(const Pasaj& satırPasajı, const Satır& satır, int satırNo,
                                      const std::filesystem::path& çıktı, İcraOrtamı& ortam);

}  // namespace selvika

#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "audio/cesni.h"
#include "audio/flat_notes.h"
#include "audio/rhythm_track.h"
#include "audio/tuned_note_cache.h"
#include "audio/tuning_factors.h"
#include "core/header.h"
#include "core/interaction.h"
#include "core/stop_flag.h"

namespace selvika {

inline constexpr std::string_view pasajSeçilmemiş = "Pasaj kutularından en az birini işaretleyin";
inline constexpr std::string_view pasajKısaltıldı = " nolu pasaj tanımı hatalıydı, kısaltıldı";
inline constexpr std::string_view seslendirmeYazılamadı =
    "Açık kalan seslendirme proğramlarını kapatın, tekrar deneyin..";

// What a rendering works with besides the score: the program folder with the
// sample files, RITIM.pcm and usuller.usl; the run's tuned notes and tuning;
// the user; the share of the notes played so far (0..100), told as it
// grows; the stop flag, looked at between notes; the missing-file messages
// already shown in this run.
struct İcraOrtamı {
    std::filesystem::path klasör;
    AkortluNotaDeposu& depo;
    const AkortÇarpanları& çarpanlar;
    const CinsKütüphanesi& cinsler;
    Etkileşim& etkileşim;
    std::function<void(int yüzde)> ilerleme = [](int) {};
    DurdurmaBayrağı& durdurma = durdurmaBayrağı();
    EksikDosyaUyarıları& uyarılar = çalışmanınUyarıları();
};

// `But_SazKaydet_Click`: the passages `seçili` (numbers of the passage list,
// in their order) rendered one after another into the WAV file `çıktı`.
// Every sounding voice's tuned notes are made first, which also stores each
// note's sounding position for that voice in `notalar`; a passage reaching
// past the table is cut to it. The end time of every passage in
// milliseconds, or nothing when nothing was rendered, the rendering was
// stopped or the file could not be written.
std::optional<std::vector<double>> seçimiSeslendir(EserBaşlık& başlık, Notalar& notalar, std::span<const int> seçili,
                                                  const std::filesystem::path& çıktı, İcraOrtamı& ortam);

}  // namespace selvika

#pragma once

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

#include "core/interaction.h"
#include "core/stop_flag.h"

namespace selvika {

inline constexpr std::string_view pcmDeğil = "WAV liegt nicht im PCM Format vor!";
inline constexpr std::string_view kodlayıcıYok = "Keine Codecs gefunden.";
inline constexpr std::string_view akışKurulamadı = "Konnte Stream nicht erstellen";
inline constexpr std::string_view akışBaşlığıKurulamadı = "Konnte Stream Header nicht erstellen.";
inline constexpr std::string_view dönüştürmeHatası = "Konvertierungsfehler";
inline constexpr std::string_view kaynakOkunamadı = "Seslendirme dosyası okunamadı.";

// The bit rates (kbit/s) the MP3 encoder offers for 44.1 kHz mono, the list
// `lstBitrate` the user picks from.
std::vector<int> mp3BitHızları();

// False, with the reason told, when the file is not a PCM WAV file: checked
// before any encoder is asked.
bool pcmWavMı(const std::filesystem::path& kaynak, Etkileşim& etkileşim);

// `But_Diske_MP3_Click` once the bit rate is chosen: the WAV file `kaynak`
// as an MP3 file `hedef`, encoded block by block, the share done told as it
// grows; the stop flag ends it between blocks. On a failure the destination
// keeps what was written before it.
bool mp3Yaz(const std::filesystem::path& kaynak, const std::filesystem::path& hedef, int bitHızı,
            Etkileşim& etkileşim, const std::function<void(int yüzde)>& ilerleme = [](int) {},
            DurdurmaBayrağı& durdurma = durdurmaBayrağı());

}  // namespace selvika

#pragma once

#include <CLI/CLI.hpp>

#include <filesystem>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "audio/flat_notes.h"
#include "core/header.h"
#include "core/interaction.h"

namespace selvika::cli {

// The program's own folder: the sample files with their tuning presets,
// RITIM.pcm, SOLFEJ.pcm, BONA.pcm, usuller.usl and the General MIDI tables
// lie beside it.
std::filesystem::path programKlasörü();

// --passages N,M,...: the passages to perform, by their number.
CLI::Option* pasajSeçeneği(CLI::App& uygulama, std::vector<int>& pasajlar);

// What a command makes of the chosen passages, in their order; false once
// it has told why it failed.
using Pasajİşi = std::function<bool(EserBaşlık& başlık, Notalar& notalar, std::span<const int> seçili)>;

// Opens the score as performance mode does, builds its plan and hands `iş`
// the passages `istenen`, all of them when none was named; the exit status.
// What the window would tell the user goes to `etkileşim`.
int pasajlarla(const std::string& eser, std::vector<int> istenen, Etkileşim& etkileşim, const Pasajİşi& iş);

}  // namespace selvika::cli

#pragma once

#include <QImage>
#include <filesystem>

#include "core/score.h"
#include "render/line_painter.h"

namespace selvika {

// Page n as the page view shows it.
QImage sayfaResmi(const Eser& eser, int sayfa, const ÇizimOrtamı& ortam);

// Every page that holds lines into one vector PDF of A4 pages; false when the
// file cannot be written.
bool eserPdf(const Eser& eser, const std::filesystem::path& yol, const ÇizimOrtamı& ortam);

}  // namespace selvika

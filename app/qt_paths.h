#pragma once

#include <QFile>
#include <QString>
#include <filesystem>
#include <string_view>

namespace selvika {

// File names cross between Qt and the engine in the system's own encoding.
inline std::filesystem::path yolQt(const QString& ad) { return std::filesystem::path(QFile::encodeName(ad).toStdString()); }
inline QString qtYol(const std::filesystem::path& yol) { return QFile::decodeName(yol.c_str()); }
inline QString qtMetin(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())); }

}  // namespace selvika

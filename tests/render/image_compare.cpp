#include <gtest/gtest.h>

#include "image_compare.h"

#include <QDir>
#include <cstdlib>

namespace selvika::test {
namespace {

constexpr int belirginFark = 64;  // of 255 grey levels, after the blur

// A 3 × 3 box blur of the grey levels: a glyph moved by a fraction of a
// pixel, or antialiased a little differently, is not a difference.
std::vector<int> bulanık(const QImage& resim) {
    const QImage gri = resim.convertToFormat(QImage::Format_Grayscale8);
    const int w = gri.width(), h = gri.height();
    std::vector<int> sonuç(std::size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int toplam = 0, adet = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    if (xx < 0 || yy < 0 || xx >= w || yy >= h) continue;
                    toplam += gri.constScanLine(yy)[xx];
                    ++adet;
                }
            sonuç[std::size_t(y) * w + x] = toplam / adet;
        }
    return sonuç;
}

}  // namespace

Karşılaştırma resimleriKarşılaştır(const QImage& a, const QImage& b, QImage* fark, double oran) {
    if (a.size() != b.size()) return {false, 1.0};
    const auto ba = bulanık(a), bb = bulanık(b);
    if (fark) {
        *fark = a.convertToFormat(QImage::Format_RGB32);
    }
    std::size_t farklı = 0;
    for (std::size_t i = 0; i < ba.size(); ++i) {
        if (std::abs(ba[i] - bb[i]) <= belirginFark) continue;
        ++farklı;
        if (fark) fark->setPixel(int(i % a.width()), int(i / a.width()), qRgb(255, 0, 0));
    }
    const double o = double(farklı) / double(ba.size());
    return {o < oran, o};
}

::testing::AssertionResult referansaUyar(const QImage& çizim, const QString& ad, const QString& referansKlasörü,
                                         const QString& çıktıKlasörü) {
    const QString referans = referansKlasörü + "/" + ad + ".png";
    if (std::getenv("SELVIKA_UPDATE_REFERENCES")) {
        QDir().mkpath(referansKlasörü);
        return çizim.save(referans) ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << referans.toStdString();
    }
    const QImage beklenen(referans);
    if (beklenen.isNull()) return ::testing::AssertionFailure() << "no reference " << referans.toStdString();
    QImage fark;
    const Karşılaştırma k = resimleriKarşılaştır(çizim, beklenen, &fark);
    if (k.aynı) return ::testing::AssertionSuccess();
    QDir().mkpath(çıktıKlasörü);
    çizim.save(çıktıKlasörü + "/" + ad + ".png");
    fark.save(çıktıKlasörü + "/" + ad + "-diff.png");
    return ::testing::AssertionFailure() << ad.toStdString() << ": " << k.farklıOranı * 100
                                         << " % of the pixels differ; see " << çıktıKlasörü.toStdString();
}

}  // namespace selvika::test

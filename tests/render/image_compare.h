#pragma once

#include <QImage>
#include <QString>

namespace selvika::test {

// Two pictures agree when, after a small blur, fewer than `oran` of their
// pixels differ noticeably in darkness. `fark` receives a picture of where
// they differ (red).
struct Karşılaştırma {
    bool aynı;
    double farklıOranı;
};
Karşılaştırma resimleriKarşılaştır(const QImage& a, const QImage& b, QImage* fark = nullptr, double oran = 0.005);

// Compares a drawing with its committed reference; with the environment
// variable SELVIKA_UPDATE_REFERENCES set it writes the reference instead.
// On a mismatch the drawing and the difference go to `çıktıKlasörü`.
::testing::AssertionResult referansaUyar(const QImage& çizim, const QString& ad, const QString& referansKlasörü,
                                         const QString& çıktıKlasörü);

}  // namespace selvika::test

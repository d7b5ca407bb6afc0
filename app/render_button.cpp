#include "app/render_button.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QThread>

#include "app/thread_interaction.h"

namespace selvika {

SeslendirmeDüğmesi::SeslendirmeDüğmesi(const std::filesystem::path& programKlasörü,
                                       const std::filesystem::path& çalışmaKlasörü, const CinsKütüphanesi& cinsler,
                                       Etkileşim& etkileşim, QWidget* üst)
    : QWidget(üst),
      programKlasörü_(programKlasörü),
      etkileşim_(etkileşim),
      cinsler_(cinsler),
      depo_(çalışmaKlasörü / "AkortluData.dat"),
      çarpanlar_(programKlasörü) {
    auto* düzen = new QHBoxLayout(this);
    düzen->setContentsMargins(0, 0, 0, 0);
    düğme_ = new QPushButton(QString::fromUtf8("Seslendir"), this);
    düğme_->setObjectName("But_SazKaydet");
    ilerleme_ = new QLabel(this);
    ilerleme_->setObjectName("İlerleme");
    ilerleme_->setMinimumWidth(50);
    düzen->addWidget(düğme_);
    düzen->addWidget(ilerleme_);
    connect(düğme_, &QPushButton::clicked, this, [this] { But_SazKaydet_Click(); });
}

SeslendirmeDüğmesi::~SeslendirmeDüğmesi() = default;

void SeslendirmeDüğmesi::But_SazKaydet_Click() {
    if (çalışıyor_ || !işiHazırla) return;
    std::optional<İş> iş = işiHazırla();
    if (!iş) return;
    std::optional<std::vector<double>> bitişler;
    işçide([&](İcraOrtamı& ortam) { bitişler = seçimiSeslendir(iş->başlık, iş->notalar, iş->seçili, iş->çıktı, ortam); });
    if (bitişler && !bitişler->empty() && seslendirildi) seslendirildi(iş->çıktı, bitişler->back());
}

// The worker runs while the window goes on taking events here; the
// progress it tells is shown before the button returns.
bool SeslendirmeDüğmesi::işçide(const std::function<void(İcraOrtamı&)>& iş) {
    if (çalışıyor_) return false;
    ilerleme_->clear();
    çalışıyor_ = true;
    if (meşgul) meşgul(true);
    İplikArasıEtkileşim aracı(etkileşim_, *this);
    İcraOrtamı ortam{programKlasörü_, depo_, çarpanlar_, cinsler_, aracı};
    ortam.ilerleme = [this](int yüzde) {
        QMetaObject::invokeMethod(this, [this, yüzde] { ilerlemeyiGöster(yüzde); }, Qt::QueuedConnection);
    };
    QEventLoop döngü;
    QThread* işçi = QThread::create([&] { iş(ortam); });
    connect(işçi, &QThread::finished, &döngü, &QEventLoop::quit);
    işçi->start();
    döngü.exec();
    işçi->wait();
    delete işçi;
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    çalışıyor_ = false;
    if (meşgul) meşgul(false);
    return true;
}

void SeslendirmeDüğmesi::ilerlemeyiGöster(int yüzde) { ilerleme_->setText(QString("% %1").arg(yüzde)); }

}  // namespace selvika

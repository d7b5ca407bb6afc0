#include "app/bitrate_list.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace selvika {
namespace {

constexpr int önerilenHız = 128;  // kbit/s: the usual rate of shared MP3 files

}  // namespace

std::optional<int> bitHızıSeç(const std::vector<int>& hızlar, QWidget* ebeveyn) {
    QDialog pencere(ebeveyn);
    pencere.setObjectName("BitHızıSeçimi");
    pencere.setWindowTitle(QString::fromUtf8("MP3 bit hızı"));
    auto* liste = new QListWidget(&pencere);
    liste->setObjectName("lstBitrate");
    for (int hız : hızlar) liste->addItem(QString("%1 kbit/s").arg(hız));
    const auto önerilen = std::find(hızlar.begin(), hızlar.end(), önerilenHız);
    liste->setCurrentRow(önerilen == hızlar.end() ? 0 : static_cast<int>(önerilen - hızlar.begin()));
    auto* düğmeler = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &pencere);
    düğmeler->button(QDialogButtonBox::Ok)->setText(QString::fromUtf8("Tamam"));
    düğmeler->button(QDialogButtonBox::Cancel)->setText(QString::fromUtf8("Vazgeç"));
    QObject::connect(düğmeler, &QDialogButtonBox::accepted, &pencere, &QDialog::accept);
    QObject::connect(düğmeler, &QDialogButtonBox::rejected, &pencere, &QDialog::reject);
    QObject::connect(liste, &QListWidget::itemDoubleClicked, &pencere, &QDialog::accept);
    auto* düzen = new QVBoxLayout(&pencere);
    düzen->addWidget(liste);
    düzen->addWidget(düğmeler);
    if (pencere.exec() != QDialog::Accepted || liste->currentRow() < 0) return std::nullopt;
    return hızlar[static_cast<std::size_t>(liste->currentRow())];
}

}  // namespace selvika

#include "app/passage_list_box.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

#include "app/qt_paths.h"
#include "audio/passage_checks.h"
#include "audio/passage_list.h"

namespace selvika {

PasajListesi::PasajListesi(Etkileşim& etkileşim, QWidget* üst) : QWidget(üst), etkileşim_(etkileşim) {
    setObjectName("PasajListesi");
    auto* ızgara = new QGridLayout(this);
    ızgara->setContentsMargins(0, 0, 0, 0);
    liste_ = new QListWidget(this);
    liste_->setObjectName("List4");
    ızgara->addWidget(liste_, 0, 0, 1, 5);
    düğmeleriKur();
    // A passage that has to be marked again is not shown.
    connect(liste_, &QListWidget::currentRowChanged, this, [this] {
        const int n = seçili();
        const bool kullanılır = n == 0 || pasajKullanılabilir(başlık_->pasajlar[n], etkileşim_);
        if (seçildi) seçildi(kullanılır ? n : 0);
    });
}

void PasajListesi::düğmeleriKur() {
    const struct {
        const char* ad;
        const char* başlık;
        void (PasajListesi::*komut)();
    } düğmeler[] = {
        {"But_icraDelete", "Sil", &PasajListesi::But_icraDelete_Click},
        {"But_icraKopyala", "Kopyala", &PasajListesi::But_icraKopyala_Click},
        {"But_icraTemizle", "Temizle", &PasajListesi::But_icraTemizle_Click},
    };
    auto* ızgara = static_cast<QGridLayout*>(layout());
    int sütun = 0;
    const auto ekle = [&](const char* ad, const char* başlık, auto komut) {
        auto* d = new QPushButton(QString::fromUtf8(başlık), this);
        d->setObjectName(qtMetin(ad));
        ızgara->addWidget(d, 1, sütun++);
        connect(d, &QPushButton::clicked, this, komut);
    };
    for (const auto& d : düğmeler) ekle(d.ad, d.başlık, [this, komut = d.komut] { (this->*komut)(); });
    ekle("But_icraYukarı", "Yukarı", [this] { taşı(-1); });
    ekle("But_icraAşağı", "Aşağı", [this] { taşı(1); });
}

void PasajListesi::doldur(EserBaşlık& başlık, int seçilecek) {
    const auto işaretler = başlık_ == &başlık ? işaretDurumu() : std::vector<bool>{};
    başlık_ = &başlık;
    listele(seçilecek, işaretler);
}

void PasajListesi::listele(int seçilecek, const std::vector<bool>& işaretler) {
    const QSignalBlocker sessiz(liste_);
    liste_->clear();
    for (int n = 1; n <= başlık_->pasajSayısı; ++n) {
        auto* öğe = new QListWidgetItem(qtMetin(başlık_->pasajlar[n].ad.trimmed()), liste_);
        öğe->setData(Qt::UserRole, n);
        const bool işaretli = std::size_t(n) <= işaretler.size() && işaretler[std::size_t(n - 1)];
        öğe->setCheckState(işaretli ? Qt::Checked : Qt::Unchecked);
    }
    liste_->setCurrentRow(seçilecek - 1);
}

std::vector<bool> PasajListesi::işaretDurumu() const {
    std::vector<bool> işaretler(std::size_t(liste_->count()));
    for (int i = 0; i < liste_->count(); ++i) işaretler[std::size_t(i)] = liste_->item(i)->checkState() == Qt::Checked;
    return işaretler;
}

int PasajListesi::seçili() const {
    const QListWidgetItem* öğe = liste_->currentItem();
    return öğe ? öğe->data(Qt::UserRole).toInt() : 0;
}

std::vector<int> PasajListesi::işaretliler() const {
    std::vector<int> numaralar;
    for (int i = 0; i < liste_->count(); ++i)
        if (liste_->item(i)->checkState() == Qt::Checked) numaralar.push_back(liste_->item(i)->data(Qt::UserRole).toInt());
    return numaralar;
}

// The checks go with their passages as the commands move them.
void PasajListesi::But_icraDelete_Click() {
    const int n = seçili();
    if (!pasajSil(*başlık_, n, etkileşim_)) return;
    auto işaretler = işaretDurumu();
    işaretler.erase(işaretler.begin() + (n - 1));
    bitti(std::min(n, int(başlık_->pasajSayısı)), işaretler);
}

void PasajListesi::But_icraKopyala_Click() {
    if (const auto n = pasajKopyala(*başlık_, seçili())) bitti(*n, işaretDurumu());
}

void PasajListesi::But_icraTemizle_Click() {
    pasajlarıTemizle(*başlık_);
    bitti(0, {});
}

void PasajListesi::taşı(int yön) {
    const int n = seçili();
    const auto hedef = pasajTaşı(*başlık_, n, yön, etkileşim_);
    if (!hedef) return;
    auto işaretler = işaretDurumu();
    std::vector<bool>::swap(işaretler[std::size_t(n - 1)], işaretler[std::size_t(*hedef - 1)]);
    bitti(*hedef, işaretler);
}

// The list shows the plan as it is now, with the passage the command left selected.
void PasajListesi::bitti(int seçilecek, std::vector<bool> işaretler) {
    listele(seçilecek, işaretler);
    if (değişti) değişti();
    if (seçildi) seçildi(seçili());
}

}  // namespace selvika

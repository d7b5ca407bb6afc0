#include "app/cins_editor.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "analysis/cins_profile.h"
#include "app/cins_profile_view.h"
#include "app/qt_paths.h"
#include "core/file_io.h"

namespace selvika {
namespace {

QString uzaklıkYazısı(std::optional<double> koma) {
    return koma ? QString::number(*koma, 'f', 2) + " koma" : QString();
}

}  // namespace

FormCins::FormCins(CinsKütüphanesi& cinsler, std::filesystem::path dosya, Etkileşim& etkileşim, QWidget* üst)
    : QDialog(üst), cinsler_(cinsler), dosya_(std::move(dosya)), etkileşim_(etkileşim) {
    setObjectName("FormCins");
    setWindowTitle(QString::fromUtf8("Çeşni tanımlamaları"));
    auto* düzen = new QHBoxLayout(this);
    auto* sol = new QVBoxLayout;
    sol->addWidget(listeyiKur(), 1);
    sol->addWidget(imlecinYeriniKur());
    düzen->addLayout(sol);
    PicCins_ = new CinsResmi(this);
    PicCins_->imleç = [this](int x, double y) { PicCins_MouseMove(x, y); };
    düzen->addWidget(PicCins_, 1);
    listeyiDoldur();
    resize(1080, 700);
}

// The names, the name box and the two buttons.
QWidget* FormCins::listeyiKur() {
    auto* kutu = new QWidget(this);
    auto* düzen = new QVBoxLayout(kutu);
    düzen->setContentsMargins(0, 0, 0, 0);
    düzen->addWidget(new QLabel(QString::fromUtf8("         Tanımlı  Çeşniler"), kutu));
    CinsListesi_ = new QListWidget(kutu);
    CinsListesi_->setObjectName("CinsListesi");
    connect(CinsListesi_, &QListWidget::currentRowChanged, this, [this](int sıra) { CinsListesi_Click(sıra); });
    düzen->addWidget(CinsListesi_, 1);
    düzen->addWidget(new QLabel("Yeni Ad", kutu));
    Text1_ = new QLineEdit(kutu);
    Text1_->setObjectName("Text1");
    Text1_->setMaxLength(static_cast<int>(Text<16>::length));
    connect(Text1_, &QLineEdit::textChanged, this, [this](const QString& ad) { Text1_Change(ad); });
    düzen->addWidget(Text1_);
    auto* düğmeler = new QHBoxLayout;
    const struct {
        const char* ad;
        const char* başlık;
        void (FormCins::*komut)();
    } tablo[] = {{"But_CinsTamam", "Kaydet", &FormCins::But_CinsTamam_Click},
                 {"But_CinsVazgec", "Vazgeç", &FormCins::But_CinsVazgec_Click}};
    for (const auto& d : tablo) {
        auto* b = new QPushButton(qtMetin(d.başlık), kutu);
        b->setObjectName(d.ad);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, d.komut);
        düğmeler->addWidget(b);
    }
    düzen->addLayout(düğmeler);
    return kutu;
}

// "Imlecin Yeri": the pointer's height and its distances to the cins.
QWidget* FormCins::imlecinYeriniKur() {
    auto* çerçeve = new QGroupBox("Imlecin Yeri", this);
    auto* düzen = new QFormLayout(çerçeve);
    auto etiket = [&](const char* ad) {
        auto* l = new QLabel(çerçeve);
        l->setObjectName(ad);
        l->setMinimumWidth(90);
        return l;
    };
    koma_ = etiket("LabelKoma");
    cent_ = etiket("LabelCent");
    karar_ = etiket("LabelKarar");
    alt_ = etiket("LabelAlt");
    üst_ = etiket("LabelUst");
    düzen->addRow(koma_);
    düzen->addRow(cent_);
    düzen->addRow(QString::fromUtf8("Karara uzaklık"), karar_);
    düzen->addRow(QString::fromUtf8("Alt komşusuna uzaklık"), alt_);
    düzen->addRow(QString::fromUtf8("Üst komşusuna uzaklık"), üst_);
    return çerçeve;
}

void FormCins::listeyiDoldur() {
    const int sıra = CinsListesi_->currentRow();
    const QSignalBlocker sessiz(CinsListesi_);
    CinsListesi_->clear();
    for (const Cins& cins : cinsler_) CinsListesi_->addItem(qtMetin(cins.ad.trimmed()));
    CinsListesi_->setCurrentRow(sıra);
}

Cins* FormCins::seçili() {
    const int sıra = CinsListesi_->currentRow();
    return sıra >= 0 && sıra < cinsSayısı ? &cinsler_[static_cast<std::size_t>(sıra)] : nullptr;
}

// The chosen cins on the ruler, its name in the box.
void FormCins::CinsListesi_Click(int) {
    Cins* cins = seçili();
    PicCins_->göster(cins);
    const QSignalBlocker sessiz(Text1_);
    Text1_->setText(cins ? qtMetin(cins->ad.trimmed()) : QString());
}

void FormCins::Text1_Change(const QString& ad) {
    if (Cins* cins = seçili()) cins->ad = Text<16>(ad.toStdString());
}

void FormCins::PicCins_MouseMove(int x, double y) {
    koma_->setText(qtMetin(komaYazısı(y)));
    cent_->setText(qtMetin(centYazısı(y)));
    const Cins* cins = seçili();
    const std::optional<CinsUzaklıkları> u = cins ? std::optional(cinsUzaklıkları(*cins, x, y)) : std::nullopt;
    karar_->setText(u ? uzaklıkYazısı(u->karar) : QString());
    alt_->setText(u ? uzaklıkYazısı(u->alt) : QString());
    üst_->setText(u ? uzaklıkYazısı(u->üst) : QString());
}

void FormCins::But_CinsTamam_Click() {
    Cins* cins = seçili();
    if (!cins) return;
    cins->ad = Text<16>(Text1_->text().toStdString());
    listeyiDoldur();
    try {
        cinsleriKaydet(cinsler_, dosya_);
    } catch (const DosyaHatası& hata) {
        etkileşim_.mesaj(hata.what());
    }
}

void FormCins::But_CinsVazgec_Click() {
    if (!seçili()) return;
    cinsler_ = cinsleriOku(dosya_, etkileşim_);
    listeyiDoldur();
    CinsListesi_Click(CinsListesi_->currentRow());
}

}  // namespace selvika

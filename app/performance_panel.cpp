#include "app/performance_panel.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QPushButton>

#include "app/hearing_buttons.h"
#include "app/menus.h"
#include "app/passage_list_box.h"
#include "app/passage_marking.h"
#include "app/plan_property_list.h"
#include "app/playback_controls.h"
#include "app/render_button.h"
#include "audio/line_render.h"
#include "audio/passage_marks.h"
#include "audio/plan_building.h"
#include "core/line_editor.h"

namespace selvika {

İcraPaneli::İcraPaneli(EserOturumu& oturum, SatırEditörü& editör, SatırResmi& resim, Menüler& menüler,
                       Etkileşim& etkileşim, const std::filesystem::path& programKlasörü,
                       const CinsKütüphanesi& cinsler, std::unique_ptr<SesÇıkışı> çıkış, QWidget* üst)
    : QWidget(üst),
      oturum_(oturum),
      editör_(editör),
      menüler_(menüler),
      etkileşim_(etkileşim),
      programKlasörü_(programKlasörü) {
    setObjectName("İcraPaneli");
    pasajlar_ = new PasajListesi(etkileşim, this);
    List3_ = new ÖzellikListesi(menüler, etkileşim, cinsler, this);
    satırKipi_ = new QCheckBox(QString::fromUtf8("Satır çalma ayarları"), this);
    satırKipi_->setObjectName("SatırKipi");
    satırTamam_ = new QPushButton(QString::fromUtf8("Satırı çal"), this);
    satırTamam_->setObjectName("But_Kanal_Tamam");
    satırTamam_->hide();
    sazKaydet_ = new SeslendirmeDüğmesi(programKlasörü, oturum.çalışmaKlasörü(), cinsler, etkileşim, this);
    çalma_ = new ÇalmaDüğmeleri(std::move(çıkış), etkileşim, this);
    dinleme_ = new DinlemeDüğmeleri(*sazKaydet_, *çalma_, etkileşim, programKlasörü, this);
    işaretleme_ = new Pasajİşaretleme(editör, resim, menüler, etkileşim, this);
    düzeniKur();
    pasajlar_->seçildi = [this](int) { göster(); };
    pasajlar_->değişti = [this] { planDeğişti(); };
    List3_->değişti = [this] { planDeğişti(); };
    işaretleme_->eklendi = [this](int n) {
        pasajlar_->doldur(oturum_.eser().başlık, n);
        göster();
        planDeğişti();
    };
    connect(satırKipi_, &QCheckBox::toggled, this, [this](bool açık) {
        satırTamam_->setVisible(açık);
        göster();
    });
    connect(satırTamam_, &QPushButton::clicked, this, [this] { But_Kanal_Tamam_Click(); });
    sazKaydet_->işiHazırla = [this]() -> std::optional<SeslendirmeDüğmesi::İş> {
        if (!notalar_) return std::nullopt;
        return SeslendirmeDüğmesi::İş{oturum_.eser().başlık, *notalar_, pasajlar_->işaretliler(), çıktıDosyası()};
    };
    sazKaydet_->seslendirildi = [this](const std::filesystem::path& çıktı, double süreMs) {
        çalma_->çal(çıktı, süreMs);
    };
    QAction* icra = menüler.eylem("Mn_icra");
    icra->setCheckable(true);
    connect(icra, &QAction::toggled, this, [this, icra](bool aç) {
        if (aç == açık()) return;
        if (!aç) bitir();
        else if (!Mn_icra_Click()) {
            const QSignalBlocker sessiz(icra);
            icra->setChecked(false);
        }
    });
    hide();
}

İcraPaneli::~İcraPaneli() = default;

void İcraPaneli::düzeniKur() {
    auto* ızgara = new QGridLayout(this);
    ızgara->setContentsMargins(0, 0, 0, 0);
    auto* dön = new QPushButton(QString::fromUtf8("Düzenlemeye dön"), this);
    dön->setObjectName("But_icraBitir");
    connect(dön, &QPushButton::clicked, this, [this] { bitir(); });
    ızgara->addWidget(pasajlar_, 0, 0, 1, 2);
    ızgara->addWidget(satırKipi_, 1, 0);
    ızgara->addWidget(sazKaydet_, 1, 1);
    ızgara->addWidget(satırTamam_, 2, 0);
    ızgara->addWidget(çalma_, 2, 1);
    ızgara->addWidget(dinleme_, 3, 0, 1, 2);
    ızgara->addWidget(dön, 4, 0);
    ızgara->addWidget(List3_, 0, 2, 5, 1);
    ızgara->setColumnStretch(2, 1);
}

bool İcraPaneli::Mn_icra_Click() {
    if (!oturum_.açık() || (editör_.satırNo() >= 1 && !editör_.satırBırakılsınMı())) return false;
    notalar_ = icraPlanıKur(oturum_.eser(), etkileşim_);
    if (!notalar_) return false;
    EserBaşlık& başlık = oturum_.eser().başlık;
    menüler_.icraKipi(true);
    List3_->usulleriOku(programKlasörü_);
    pasajlar_->doldur(başlık, başlık.pasajSayısı >= 1 ? 1 : 0);
    göster();
    işaretleme_->başlat(başlık, *notalar_);
    show();
    QAction* icra = menüler_.eylem("Mn_icra");
    const QSignalBlocker sessiz(icra);
    icra->setChecked(true);
    if (kipDeğişti) kipDeğişti(true);
    return true;
}

void İcraPaneli::bitir() {
    if (!açık()) return;
    işaretleme_->bitir();
    pasajİşaretleriniYaz(oturum_.eser(), etkileşim_);
    notalar_.reset();
    List3_->PasajGöster(oturum_.eser().başlık, 0);
    hide();
    menüler_.icraKipi(false);
    QAction* icra = menüler_.eylem("Mn_icra");
    const QSignalBlocker sessiz(icra);
    icra->setChecked(false);
    if (kipDeğişti) kipDeğişti(false);
}

// The selected passage, or the line-play record while its box is checked.
void İcraPaneli::göster() {
    EserBaşlık& başlık = oturum_.eser().başlık;
    if (satırKipi_->isChecked())
        List3_->PasajGösterSatır(başlık.satırPasajı);
    else
        List3_->PasajGöster(başlık, pasajlar_->seçili());
}

void İcraPaneli::But_Kanal_Tamam_Click() {
    satırKipi_->setChecked(false);
    const int n = editör_.satırNo();
    if (!açık() || n < 1) return;
    const std::filesystem::path çıktı = çıktıDosyası();
    const Eser& eser = oturum_.eser();
    std::optional<double> süre;
    sazKaydet_->işçide([&](İcraOrtamı& ortam) {
        süre = satırıSeslendir(eser.başlık.satırPasajı, eser.satırlar[n], n, çıktı, ortam);
    });
    if (süre) çalma_->çal(çıktı, *süre);
}

// The file-name box's text with ".dat", in the working folder.
std::filesystem::path İcraPaneli::çıktıDosyası() const {
    auto çıktı = oturum_.çalışmaKlasörü() / oturum_.yol().stem();
    çıktı += ".dat";
    return çıktı;
}

// The plan lives in the score header: the score has changed.
void İcraPaneli::planDeğişti() { oturum_.değişikliğiBildir(); }

}  // namespace selvika

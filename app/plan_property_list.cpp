#include "app/plan_property_list.h"

#include <QAction>
#include <QCursor>
#include <QMenu>

#include "app/cesni_choice.h"
#include "app/menus.h"
#include "app/plan_chart.h"
#include "app/qt_paths.h"
#include "app/volume_sliders.h"
#include "audio/passage_voices.h"
#include "audio/plan_charts.h"
#include "audio/plan_property_rows.h"

namespace selvika {
namespace {

// What each item of the plan's pop-up menus writes into the passage; `ses`
// is the voice of the row that opened the menu.
struct MenüÖğesi {
    const char* ad;
    void (*yaz)(Pasaj& p, int ses, int değer);
    int değer;
};

constexpr auto birimNota = [](Pasaj& p, int, int değer) { p.birimNota = static_cast<Byte>(değer); };
constexpr auto kip = [](Pasaj& p, int, int değer) { p.metronomKipi = static_cast<Byte>(değer); };
constexpr auto kanal = [](Pasaj& p, int ses, int değer) { sesKanalınıAyarla(p, ses, static_cast<Byte>(değer)); };

constexpr MenüÖğesi menüÖğeleri[] = {
    {"Mn_BirimNota_4", birimNota, 4}, {"Mn_BirimNota_8", birimNota, 8}, {"Mn_BirimNota_16", birimNota, 16},
    {"Mn_Final_LIN", kip, 1},         {"Mn_Final_AZALN", kip, 2},       {"Mn_Final_ARTAN", kip, 3},
    {"Mn_0", kanal, 0},               {"Mn_01", kanal, 1},              {"Mn_02", kanal, 2},
    {"Mn_03", kanal, 3},
};

constexpr std::pair<const char*, const char*> sazÖğeleri[] = {
    {"Mn_Enst_SZYOK", "SZYOK"}, {"Mn_Enst_BEEPO", "SINUS"}, {"Mn_Enst_KANUN", "KANUN"}, {"Mn_Enst_UDOOO", "UDOOO"},
    {"Mn_Enst_KLRNT", "KLRNT"}, {"Mn_Enst_MTNBR", "MTNBR"}, {"Mn_Enst_KMNCE", "KMNCE"}, {"Mn_Enst_KEMAN", "KEMAN"},
    {"Mn_Enst_CELLO", "CELLO"}, {"Mn_Enst_CELPC", "CELPC"}, {"Mn_Enst_BAGLM", "BAGLM"}};
constexpr std::pair<const char*, const char*> ritimÖğeleri[] = {{"Mn_Enst_RTYOK", "RTYOK"},
                                                                  {"Mn_Ritm_TEFOO", "TEFOO"},
                                                                  {"Mn_Ritm_BENDR", "BENDR"},
                                                                  {"Mn_Ritm_KUDÜM", "KUDUM"},
                                                                  {"Mn_Ritm_DRBKA", "DRBKA"}};

// The pop-up menu that edits a property, if a menu does.
const char* menüsü(PlanÖzelliği ö) {
    switch (ö) {
        case PlanÖzelliği::birimNota: return "Mn_BirimNota";
        case PlanÖzelliği::metronomKipi: return "Mn_FinalModu";
        case PlanÖzelliği::saz: return "Mn_Enst";
        case PlanÖzelliği::kanal: return "Mn_Kanal";
        case PlanÖzelliği::ritimSazı: return "Mn_Ritm";
        default: return nullptr;
    }
}

}  // namespace

ÖzellikListesi::ÖzellikListesi(const Menüler& menüler, Etkileşim& etkileşim, const CinsKütüphanesi& cinsler,
                               QWidget* üst)
    : QListWidget(üst), menüler_(menüler), etkileşim_(etkileşim), cinsler_(cinsler) {
    setObjectName("List3");
    setMinimumHeight(fontMetrics().lineSpacing() * 16);  // the voices' rows in view
    menüleriBağla(menüler);
    düzenleyicileriKur(cinsler);
    connect(this, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* öğe) { List3_Click(row(öğe), QCursor::pos()); });
}

ÖzellikListesi::~ÖzellikListesi() = default;

void ÖzellikListesi::menüleriBağla(const Menüler& menüler) {
    for (const MenüÖğesi& ö : menüÖğeleri)
        connect(menüler.eylem(ö.ad), &QAction::triggered, this,
                [this, ö] { değiştir([&](Pasaj& p) { ö.yaz(p, açık_.ses, ö.değer); }); });
    for (const auto& [ad, kod] : sazÖğeleri)
        connect(menüler.eylem(ad), &QAction::triggered, this,
                [this, kod] { değiştir([&](Pasaj& p) { sesSazı(p, açık_.ses) = Text<5>(kod); }); });
    for (const auto& [ad, kod] : ritimÖğeleri)
        connect(menüler.eylem(ad), &QAction::triggered, this,
                [this, kod] { değiştir([&](Pasaj& p) { ritimSazıSeç(p, Text<5>(kod), etkileşim_); }); });
}

void ÖzellikListesi::düzenleyicileriKur(const CinsKütüphanesi& cinsler) {
    metronom_ = metronomÇizelgesi(this);
    metronom_->seçildi = [this](Byte m) {
        değiştir([&](Pasaj& p) { metronomSeç(p, m, açık_.özellik == PlanÖzelliği::girişMetronomu); });
    };
    ahenk_ = ahenkÇizelgesi(this);
    ahenk_->seçildi = [this](Byte g) { değiştir([&](Pasaj& p) { p.göçürümler[std::size_t(açık_.ses)] = g; }); };
    sesDengesi_ = new SesDengesi(this);
    sesDengesi_->tamam = [this](const std::array<Byte, 4>& sesler, Byte ritim) {
        değiştir([&](Pasaj& p) {
            p.sesSeviyeleri = sesler;
            p.ritimSesi = ritim;
        });
    };
    çeşniSeçimi_ = new ÇeşniSeçimi(cinsler, this);
    çeşniSeçimi_->tamam = [this](Byte cins, Byte perde) {
        if (!çeşni_) return;
        çeşni_->cins = cins;
        çeşni_->çeşniPerdesi = perde;
        değiştir([](Pasaj&) {});
    };
    usulKalıpları_ = new QListWidget(this);
    usulKalıpları_->setWindowFlags(Qt::Popup);
    usulKalıpları_->setObjectName("UsulKalıpları");
    usulKalıpları_->resize(300, 400);
    connect(usulKalıpları_, &QListWidget::itemClicked, this, [this](QListWidgetItem* öğe) {
        usulKalıpları_->hide();
        değiştir([&](Pasaj& p) { p.usulNumarası = static_cast<Byte>(usulKalıpları_->row(öğe) + 1); });
    });
}

void ÖzellikListesi::usulleriOku(const std::filesystem::path& programKlasörü) {
    usuller_ = UsulKütüphanesi::aç(programKlasörü);
}

std::string ÖzellikListesi::usulAdı(int no) const {
    if (!usuller_ || no < 1) return {};
    return qtMetin(usuller_->kayıt(no).ad.utf8()).remove(QChar(0)).trimmed().toStdString();
}

void ÖzellikListesi::PasajGöster(EserBaşlık& başlık, int numara) {
    numara_ = numara;
    pasaj_ = numara ? &başlık.pasajlar[numara] : nullptr;
    çeşni_ = numara ? &başlık.pasajDeğerleri[numara] : nullptr;
    satırKipi_ = false;
    yenile();
}

void ÖzellikListesi::PasajGösterSatır(Pasaj& satırPasajı) {
    numara_ = 0;
    pasaj_ = &satırPasajı;
    çeşni_ = nullptr;
    satırKipi_ = true;
    yenile();
}

void ÖzellikListesi::yenile() {
    clear();
    if (!pasaj_) return;
    if (çeşni_) çeşniyiDüzelt(*çeşni_);
    const auto satırlar = satırKipi_ ? satırPasajıSatırları(*pasaj_)
                                     : pasajSatırları(*pasaj_, *çeşni_, usulAdı(pasaj_->usulNumarası), cinsler_);
    for (const std::string& s : satırlar) addItem(qtMetin(s));
}

void ÖzellikListesi::List3_Click(int satır, QPoint nerede) {
    const auto özellik = satırKipi_ ? satırKipiSatırı(satır) : planSatırı(satır);
    if (!özellik || !planDüzenlenebilir(numara_, satırKipi_, etkileşim_)) return;
    açık_ = *özellik;
    düzenleyiciAç(*özellik, nerede);
}

void ÖzellikListesi::düzenleyiciAç(const PlanSatırı& özellik, QPoint nerede) {
    if (const char* ad = menüsü(özellik.özellik)) {
        menüler_.menü(ad)->popup(nerede);
        return;
    }
    switch (özellik.özellik) {
        case PlanÖzelliği::girişMetronomu:
        case PlanÖzelliği::çıkışMetronomu: metronom_->aç(nerede); break;
        case PlanÖzelliği::göçürüm: ahenk_->aç(nerede); break;
        case PlanÖzelliği::sesDengesi: sesDengesi_->aç(*pasaj_, nerede); break;
        case PlanÖzelliği::çeşni: çeşniSeçimi_->aç(*çeşni_, nerede); break;
        case PlanÖzelliği::usul: usulKalıplarınıAç(nerede); break;
        default: break;
    }
}

void ÖzellikListesi::usulKalıplarınıAç(QPoint nerede) {
    if (!usuller_) {
        etkileşim_.mesaj(usulDosyasıBulunamadı);
        return;
    }
    usulKalıpları_->clear();
    for (const std::string& madde : usuller_->desenListesi()) usulKalıpları_->addItem(qtMetin(madde).remove(QChar(0)));
    usulKalıpları_->move(nerede);
    usulKalıpları_->show();
}

// The editors write into whatever is shown when they close.
void ÖzellikListesi::değiştir(const std::function<void(Pasaj&)>& değişiklik) {
    if (!pasaj_) return;
    değişiklik(*pasaj_);
    yenile();
    if (değişti) değişti();
}

}  // namespace selvika

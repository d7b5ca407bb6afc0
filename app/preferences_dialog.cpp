#include "app/preferences_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>

#include "app/preference_pictures.h"
#include "app/qt_paths.h"

namespace selvika {

struct Seçenek {
    QString ad;    // the control's name
    int değer;     // what the header field takes
    QString başlık;  // the caption, or the picture's description when there is a picture
};

// One frame of option buttons and the header field it sets.
struct SeçenekGrubu {
    const char* çerçeve;
    const char* dış;  // the frame holding this one, if any
    std::vector<Seçenek> seçenekler;
    QPixmap (*resim)(int değer);
    int (*oku)(const EserBaşlık& b);
    void (*yaz)(EserBaşlık& b, int değer);
};

namespace {

std::vector<Seçenek> çizgiSeçenekleri(int ilkİndeks) {
    const std::array adlar = {"düz", "kesik", "noktalı", "kesik noktalı", "kesik iki noktalı"};
    std::vector<Seçenek> s;
    for (int i = 0; i < 5; ++i) s.push_back({QString("Çizgi_%1").arg(ilkİndeks + i), i, QString::fromUtf8(adlar[i])});
    return s;
}

std::vector<Seçenek> kalınlıkSeçenekleri(int ilkİndeks) {
    std::vector<Seçenek> s;
    for (int i = 1; i <= 3; ++i)
        s.push_back({QString::fromUtf8("Kalınlık_%1").arg(ilkİndeks + i - 1), i, QString::fromUtf8("kalınlık %1").arg(i)});
    return s;
}

const std::vector<SeçenekGrubu>& seçenekGrupları() {
    static const std::vector<SeçenekGrubu> gruplar = {
        {"Triole", nullptr, {{"Option1", 1, "parantezli"}, {"Option2", 0, "parantezsiz"}}, trioleResmi,
         [](const EserBaşlık& b) { return int(bool(b.bayraklar.trioleGörünümü)); },
         [](EserBaşlık& b, int d) { b.bayraklar.trioleGörünümü = d != 0; }},
        {"Fare imleci", nullptr,
         {{"Fareİmleci_0", 0, "Nota ismleri"}, {"Fareİmleci_1", 1, "Yuvarlak hedef"}, {"Fareİmleci_2", 2, "normal + imleç"}},
         nullptr, [](const EserBaşlık& b) { return int(b.ayarlar.fareİmleci); },
         [](EserBaşlık& b, int d) { b.ayarlar.fareİmleci = Byte(d); }},
        {"Notaya göre güftenin yeri", nullptr, {{"GüfteYeri_0", 0, "ortalı"}, {"GüfteYeri_1", 1, "nota başından"}}, güfteYeriResmi,
         [](const EserBaşlık& b) { return int(b.bayraklar.güfteYeri); },
         [](EserBaşlık& b, int d) { b.bayraklar.güfteYeri = Byte(d); }},
        {"Dolap çizgileri", nullptr, çizgiSeçenekleri(0), çizgiResmi,
         [](const EserBaşlık& b) { return int(b.görünümSeçimleri.a); },
         [](EserBaşlık& b, int d) { b.görünümSeçimleri.a = Byte(d); }},
        {"Saz payı çizgileri", nullptr, çizgiSeçenekleri(10), çizgiResmi,
         [](const EserBaşlık& b) { return int(b.görünümSeçimleri.b); },
         [](EserBaşlık& b, int d) { b.görünümSeçimleri.b = Byte(d); }},
        {"Hece devam çizgileri", nullptr, çizgiSeçenekleri(20), çizgiResmi,
         [](const EserBaşlık& b) { return int(b.görünümSeçimleri.c); },
         [](EserBaşlık& b, int d) { b.görünümSeçimleri.c = Byte(d); }},
        {"baskıda", "Liezon kalınlıkları", kalınlıkSeçenekleri(1), kalınlıkResmi,
         [](const EserBaşlık& b) { return int(b.ayarlar.liezonKalınlığı1); },
         [](EserBaşlık& b, int d) { b.ayarlar.liezonKalınlığı1 = Byte(d); }},
        {"ekranda", "Liezon kalınlıkları", kalınlıkSeçenekleri(11), kalınlıkResmi,
         [](const EserBaşlık& b) { return int(b.ayarlar.liezonKalınlığı2); },
         [](EserBaşlık& b, int d) { b.ayarlar.liezonKalınlığı2 = Byte(d); }},
    };
    return gruplar;
}

struct OnayKutusu {
    const char* ad;
    const char* başlık;
    Boolean TercihBayrakları::*alan;
};

constexpr std::array<OnayKutusu, 3> onayKutusuTablosu = {{
    {"NormalModaDön", "İşlem modu her işlemden sonra normal mod'a dönsün", &TercihBayrakları::normalModaDön},
    {"EkÇizgileriGöster", "Fare ucunda ek çizgileri göster", &TercihBayrakları::ekÇizgileriGöster},
    {"UyarıSesleri", "proğram uyarı sesleri duyulsun", &TercihBayrakları::uyarıSesleri},
}};

QRadioButton* seçenekDüğmesi(const SeçenekGrubu& grup, const Seçenek& s, QWidget* üst) {
    auto* düğme = new QRadioButton(üst);
    düğme->setObjectName(s.ad);
    düğme->setAccessibleName(s.başlık);
    if (!grup.resim) {
        düğme->setText(s.başlık);
        return düğme;
    }
    const QPixmap resim = grup.resim(s.değer);
    düğme->setIcon(resim);
    düğme->setIconSize(resim.size());
    düğme->setToolTip(s.başlık);
    return düğme;
}

}  // namespace

konfig::konfig(EserOturumu& oturum, QWidget* üst) : QDialog(üst), oturum_(oturum) {
    setObjectName("konfig");
    setWindowTitle(QString::fromUtf8("SELVİKA le  yazarken  tercihleriniz"));
    auto* düzen = new QVBoxLayout(this);
    auto* ızgara = new QGridLayout;
    düzen->addLayout(ızgara);
    for (const SeçenekGrubu& grup : seçenekGrupları()) grupKur(grup, *ızgara);
    onayKutularınıKur(*düzen);
    düğmeleriKur(*düzen);
    başlıktanAyarla();
}

// Frames fill a grid three wide; a frame inside another goes into that one.
void konfig::grupKur(const SeçenekGrubu& grup, QGridLayout& ızgara) {
    QWidget* yer = this;
    if (grup.dış) {
        const QString dışAd = qtMetin(grup.dış);
        auto* dış = findChild<QGroupBox*>(dışAd);
        if (!dış) {
            dış = new QGroupBox(dışAd, this);
            dış->setObjectName(dışAd);
            new QHBoxLayout(dış);
            ızgara.addWidget(dış, ızgara.count() / 3, ızgara.count() % 3);
        }
        yer = dış;
    }
    auto* çerçeve = new QGroupBox(qtMetin(grup.çerçeve), yer);
    auto* sütun = new QVBoxLayout(çerçeve);
    auto* düğmeler = new QButtonGroup(çerçeve);
    for (const Seçenek& s : grup.seçenekler) {
        QRadioButton* düğme = seçenekDüğmesi(grup, s, çerçeve);
        düğmeler->addButton(düğme, s.değer);
        sütun->addWidget(düğme);
    }
    sütun->addStretch();
    if (yer == this)
        ızgara.addWidget(çerçeve, ızgara.count() / 3, ızgara.count() % 3);
    else
        yer->layout()->addWidget(çerçeve);
    connect(düğmeler, &QButtonGroup::idClicked, this, [this, &grup](int değer) {
        grup.yaz(oturum_.eser().başlık, değer);
        değişti();
    });
    gruplar_.emplace_back(düğmeler, &grup);
}

void konfig::onayKutularınıKur(QLayout& düzen) {
    for (const OnayKutusu& k : onayKutusuTablosu) {
        auto* kutu = new QCheckBox(qtMetin(k.başlık), this);
        kutu->setObjectName(qtMetin(k.ad));
        connect(kutu, &QCheckBox::clicked, this, [this, alan = k.alan](bool işaretli) {
            oturum_.eser().başlık.bayraklar.*alan = işaretli;
            değişti();
        });
        düzen.addWidget(kutu);
        onayKutuları_.push_back(kutu);
    }
}

void konfig::düğmeleriKur(QLayout& düzen) {
    auto* kaydet = new QPushButton(QString::fromUtf8("Tercihlerim bu eserde ve her yeni açılan eserde geçerli olsun."), this);
    kaydet->setObjectName("CmdKaydet");
    auto* tamam = new QPushButton(QString::fromUtf8("Tercihlerim sadece bu eserde geçerli olsun"), this);
    tamam->setObjectName("CmdTamam");
    tamam->setDefault(true);
    düzen.addWidget(kaydet);
    düzen.addWidget(tamam);
    connect(kaydet, &QPushButton::clicked, this, [this] {
        oturum_.tercihleriKaydet();
        accept();
    });
    connect(tamam, &QPushButton::clicked, this, &QDialog::accept);
}

void konfig::başlıktanAyarla() {
    const EserBaşlık& b = oturum_.eser().başlık;
    for (auto [düğmeler, grup] : gruplar_) {
        düğmeler->setExclusive(false);
        for (QAbstractButton* d : düğmeler->buttons()) d->setChecked(düğmeler->id(d) == grup->oku(b));
        düğmeler->setExclusive(true);
    }
    for (std::size_t i = 0; i < onayKutuları_.size(); ++i)
        onayKutuları_[i]->setChecked(bool(b.bayraklar.*onayKutusuTablosu[i].alan));
}

void konfig::değişti() {
    oturum_.değişikliğiBildir();
    if (uygulandı) uygulandı();
}

}  // namespace selvika

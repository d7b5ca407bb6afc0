#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include "app/analysis_window.h"
#include "app/cins_editor.h"
#include "app/line_clipboard.h"
#include "app/line_drawing.h"
#include "app/key_input.h"
#include "app/help_window.h"
#include "app/line_panel.h"
#include "app/makam_list.h"
#include "app/mode_buttons.h"
#include "app/mouse_cursor.h"
#include "app/page_view.h"
#include "app/performance_panel.h"
#include "app/playback_controls.h"
#include "app/render_button.h"
#include "app/passage_marking.h"
#include "app/preferences_dialog.h"
#include "app/print_marks_view.h"
#include "app/qt_paths.h"
#include "app/quick_corrections_frame.h"
#include "app/range_tools.h"
#include "app/slur_handles_view.h"
#include "app/syllable_dialog.h"
#include "app/user_signature_dialog.h"
#include "app/usul_list.h"
#include "audio/plan_building.h"
#include "core/score_start.h"
#include "core/stop_flag.h"
#include "interchange/musicxml_command.h"
#include "interchange/symbtr_command.h"
#include "pitch/sound.h"
#include "rhythm/measure_check.h"

namespace selvika {
namespace {

constexpr const char* akortluData = "AkortluData.dat";

}  // namespace

ARAYÜZ::ARAYÜZ(std::filesystem::path programKlasörü, const std::filesystem::path& çalışmaKlasörü, Etkileşim& etkileşim,
               const YazıTipiSorgusu& yazıTipleri, YedekHalkası& halka, std::unique_ptr<SesÇıkışı> çıkış)
    : programKlasörü_(std::move(programKlasörü)),
      etkileşim_(etkileşim),
      oturum_(çalışmaKlasörü, etkileşim, yazıTipleri),
      editör_(oturum_, etkileşim, halka,
              [this, &etkileşim](Satır& satır) {
                  ses(satır, oturum_.eser().başlık.donanım, etkileşim);
                  if (sayfaGörünümü_) sayfaGörünümü_->satırıYenile(editör_.satırNo());
              }),
      menüler_(*this),
      glifler_(programKlasörü_),
      cinsler_(cinsleriOku(çalışmaKlasörü / cinsDosyaAdı, etkileşim)),
      yazıTipiMenüsü_(menüler_, oturum_, [this] { görünümüYenile(); }) {
    setObjectName("ARAYÜZ");
    arayüzüKur(std::move(çıkış));
    komutlarıBağla();
    araçKomutlarınıBağla();
    aralıkAraçlarınıKur();
    kısayollarıKur();
    menüler_.MenuKilitle();
    setWindowTitle(qtMetin(oturum_.pencereBaşlığı()));
    QCoreApplication::instance()->installEventFilter(this);
}

void ARAYÜZ::arayüzüKur(std::unique_ptr<SesÇıkışı> çıkış) {
    auto* merkez = new QWidget(this);
    auto* düzen = new QVBoxLayout(merkez);
    auto* üst = new QHBoxLayout;
    panel_ = new SatırPaneli(oturum_, editör_, merkez);
    SatırResmi& resim = panel_->resim();
    resim.eserBağla([this]() -> const EserBaşlık& { return oturum_.eser().başlık; }, etkileşim_);
    fareİmleci_ = new Fareİmleci(resim, [this] { return tercihler(); });
    panel_->hide();
    üst->addWidget(panel_);
    üst->addStretch(1);
    auto* satırAlanı = new QWidget(merkez);
    satırAlanınıKur(*satırAlanı);
    üst->addWidget(satırAlanı);
    düzen->addLayout(üst);
    araçlarıKur(*merkez, *düzen);
    icraKipiniKur(*düzen, std::move(çıkış));
    Hatırlatma_ = new QListWidget(merkez);
    Hatırlatma_->setObjectName("Hatırlatma");
    Hatırlatma_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    Hatırlatma_->setStyleSheet("QListWidget::item { padding: 1px 0px; }");  // the dots of Ü
    // The rest of the window's height, and a few lines even beside a line.
    Hatırlatma_->setMinimumHeight(Hatırlatma_->fontMetrics().lineSpacing() * 6);
    düzen->addWidget(Hatırlatma_, 1);
    setCentralWidget(merkez);
    uyarıSatırı_ = new QLabel(this);
    uyarıSatırı_->setObjectName("ikazSatırı");
    statusBar()->addWidget(uyarıSatırı_, 1);
    resize(1260, 720);
}

// The line scroll bar with the number of the current line, beside the
// editing panels; they stay when the panels are closed.
void ARAYÜZ::satırAlanınıKur(QWidget& alan) {
    auto* düzen = new QVBoxLayout(&alan);
    düzen->setContentsMargins(0, 0, 0, 0);
    satırNoKutusu_ = new QLineEdit(&alan);
    satırNoKutusu_->setObjectName("SatırNo");
    satırNoKutusu_->setValidator(new QIntValidator(1, satırSayısı, satırNoKutusu_));
    satırNoKutusu_->setMaximumWidth(48);
    satırNoKutusu_->setEnabled(false);
    VScroll1_ = new QScrollBar(Qt::Vertical, &alan);
    VScroll1_->setObjectName("VScroll1");
    VScroll1_->setRange(0, 0);
    düzen->addWidget(satırNoKutusu_);
    düzen->addWidget(VScroll1_, 1, Qt::AlignHCenter);
    connect(VScroll1_, &QScrollBar::valueChanged, this, [this] { satırÇubuğuDeğişti(); });
    connect(satırNoKutusu_, &QLineEdit::returnPressed, this, [this] {
        const int n = satırNoKutusu_->text().toInt();
        VScroll1_->value() == n ? satıraGit(n) : VScroll1_->setValue(n);
    });
}

ARAYÜZ::~ARAYÜZ() = default;

// The palette and the quick corrections under the editing area; the makam
// and usul lists drop over the drawing area when their menus are chosen.
void ARAYÜZ::araçlarıKur(QWidget& merkez, QVBoxLayout& düzen) {
    araçlar_ = new QWidget(&merkez);
    auto* sıra = new QHBoxLayout(araçlar_);
    sıra->setContentsMargins(0, 0, 0, 0);
    Picture2_ = new ElemanPaleti(editör_, oturum_, etkileşim_, glifler_, araçlar_);
    düzeltmeler_ = new HızlıDüzeltmeler(editör_, araçlar_);
    sıra->addWidget(Picture2_, 0, Qt::AlignTop);
    sıra->addWidget(düzeltmeler_, 0, Qt::AlignTop);
    sıra->addStretch();
    araçlar_->hide();
    düzen.addWidget(araçlar_);
    List1_ = new MakamListesi(*menüler_.eylem("Mn_donanım"), oturum_, etkileşim_, &merkez);
    List1_->setGeometry(820, 40, 200, 420);
    List2_ = new UsulListesi(*menüler_.eylem("Mn_Usul"), &merkez);
    QWidget& resim = panel_->resim();
    düzeltmeler_->resmeBağla(resim);
    baskılar_ = new BaskılarGörünümü(editör_, resim);
}

void ARAYÜZ::araçKomutlarınıBağla() {
    Picture2_->seçilenMakam = [this] { return List1_->seçilenKod(); };
    Picture2_->seçilenUsul = [this] { return List2_->seçilenUsul(); };
    Picture2_->değişti = [this] { satırDüzenlendi(); };
    düzeltmeler_->değişti = [this] { satırDüzenlendi(); };
    panel_->kapandı = [this] { araçlar_->hide(); };
    panel_->çizildi = [this] {
        baskılar_->yenile();
        if (!yayTutamakları_) return;
        arızaKonumları_->yenile();
        heceKonumları_->yenile();
        yayTutamakları_->yenile();
    };
    List1_->donanımFormuAç = [this] {
        donanım form(oturum_, glifler_, this);
        form.exec();
        panel_->yenidenÇiz();
    };
    connect(menüler_.eylem("Mn_donanım"), &QAction::triggered, this, [this] { List1_->aç(); });
    connect(menüler_.eylem("Mn_Usul"), &QAction::triggered, this, [this] { List2_->aç(); });
    connect(menüler_.eylem("Mn_mezür"), &QAction::triggered, this, [this] { Mn_mezür_Click(oturum_.eser(), etkileşim_); });
    QAction* microton = menüler_.eylem("Mn_Microton");
    microton->setCheckable(true);
    connect(microton, &QAction::toggled, this, [this](bool açık) { baskılar_->Mn_Microton_Click(açık); });
    QAction* kanallar = menüler_.eylem("Mn_Kanallar");
    QAction* seyir = menüler_.eylem("Mn_seyir");
    for (QAction* katman : {kanallar, seyir}) {
        katman->setCheckable(true);
        connect(katman, &QAction::toggled, this, [this, kanallar, seyir] {
            panel_->resim().katmanlarıGöster(kanallar->isChecked(), seyir->isChecked());
        });
    }
}

// Performance mode takes the place of the editing tools and leaves the
// line as it is; the window takes no command, shortcuts included, while a
// rendering runs.
void ARAYÜZ::icraKipiniKur(QVBoxLayout& düzen, std::unique_ptr<SesÇıkışı> çıkış) {
    icra_ = new İcraPaneli(oturum_, editör_, panel_->resim(), menüler_, etkileşim_, programKlasörü_, cinsler_,
                           std::move(çıkış), düzen.parentWidget());
    düzen.addWidget(icra_);
    icra_->kipDeğişti = [this](bool açık) { icraKipiDeğişti(açık); };
    // Esc still reaches the stop flag: the application's filter sees every key.
    icra_->seslendirme().meşgul = [this](bool meşgul) { setEnabled(!meşgul); };
}

void ARAYÜZ::icraKipiDeğişti(bool açık) {
    araçlar_->setVisible(!açık && editör_.satırNo() >= 1);
    panel_->düzenlemeyiKilitle(açık);
    if (açık)
        for (const char* görünüm : {"Mn_Arıza", "Mn_Heceler", "Mn_YayBombe"}) menüler_.eylem(görünüm)->setChecked(false);
    if (editör_.satırNo() >= 1) panel_->satırıGöster();
}

// The mode and range buttons beside the palette, the line clipboard of the
// context menu and the syllable dialog.
void ARAYÜZ::aralıkAraçlarınıKur() {
    aralıkAraçları_ = new AralıkAraçları(editör_, etkileşim_, panel_->resim(), araçlar_);
    static_cast<QBoxLayout*>(araçlar_->layout())->insertWidget(2, aralıkAraçları_, 0, Qt::AlignTop);
    aralıkAraçları_->değişti = [this] { satırDüzenlendi(); };
    aralıkAraçları_->panoDeğişti = [this] { fareİmleci_->yenile(); };
    aralıkAraçları_->normalModaDönsün = [this] { return bool(tercihler().normalModaDön); };
    fareİmleci_->yapıştırılacak = [this] { return aralıkAraçları_->pano().hazır; };
    TuşGirişi& tuşlar = panel_->tuşlarıBağla(etkileşim_);
    aralıkAraçları_->modlar().değişti = [this, &tuşlar](DüzenModu mod) {
        tuşlar.durum().mod = mod;
        fareİmleci_->yenile();
    };
    // The range on a band, and the pointer telling an armed palette tool.
    aralıkAraçları_->seçimDeğişti = [this](SeçiliAralık a) { panel_->resim().seçimiGöster(a.ilk, a.son); };
    fareİmleci_->paletAracıHazır = [this] {
        return Picture2_->araç().has_value() && aralıkAraçları_->modlar().mod() == DüzenModu::nota;
    };
    Picture2_->araçDeğişti = [this] { fareİmleci_->yenile(); };
    tuşDurumunuBağla(tuşlar.durum(), aralıkAraçları_->modlar());
    auto* satırPanosu =
        new SatırPanosuKomutları(menüler_, oturum_, editör_, etkileşim_, [this] { return menüSatırı_; }, this);
    satırPanosu->değişti = [this] {
        if (editör_.satırNo() >= 1) panel_->satırıGöster();
        sayfayıTazele();
    };
    connect(menüler_.eylem("Mn_Hece"), &QAction::triggered, this, [this] { Mn_Hece_Click(); });
}

// The tools that share the keys' state: the palette's placing (note mode
// only) and bar-line choice, and the slur handles and the accidental and
// syllable labels the arrow keys move.
void ARAYÜZ::tuşDurumunuBağla(EditörDurumu& durum, const ModDüğmeleri& modlar) {
    // The palette watches the picture after the range tools, so a click it
    // takes never reaches them.
    QWidget& resim = panel_->resim();
    Picture2_->resmeBağla(resim);
    Picture2_->notaModunda = [&modlar] { return modlar.mod() == DüzenModu::nota; };
    Picture2_->çizgiSeçildi = [&durum](Byte tür) { durum.çizgiTürü = tür; };
    arızaKonumları_ = std::make_unique<SürüklenenEtiketler>(editör_, durum, resim, arızaEtiketleri());
    heceKonumları_ = std::make_unique<SürüklenenEtiketler>(editör_, durum, resim, heceEtiketleri());
    yayTutamakları_ = std::make_unique<YayTutamakları>(editör_, durum, resim);
    const auto görünüm = [this](const char* ad, auto& araç) {
        araç->değişti = [this] { satırDüzenlendi(); };
        QAction* eylem = menüler_.eylem(ad);
        eylem->setCheckable(true);
        connect(eylem, &QAction::toggled, this, [&araç](bool açık) { araç->göster(açık); });
    };
    görünüm("Mn_Arıza", arızaKonumları_);
    görünüm("Mn_Heceler", heceKonumları_);
    görünüm("Mn_YayBombe", yayTutamakları_);
}

void ARAYÜZ::Mn_Hece_Click() {
    if (editör_.satırNo() < 1) return;
    HeceGir pencere(editör_.tampon(), this);
    if (pencere.exec() != QDialog::Accepted) return;
    editör_.düzenlendi();
    satırDüzenlendi();
}

// Every tool that changed the buffer has marked and saved it already.
void ARAYÜZ::satırDüzenlendi() {
    panel_->yenidenÇiz();
    panel_->resim().setFocus();
}

void ARAYÜZ::komutlarıBağla() {
    connect(menüler_.eylem("Mn_aç"), &QAction::triggered, this, [this] { Mn_aç_Click(); });
    connect(menüler_.eylem("Mn_kaydet"), &QAction::triggered, this, [this] {
        oturum_.kaydet();
        satırıTazele();
    });
    connect(menüler_.eylem("Mn_farklı"), &QAction::triggered, this, [this] {
        oturum_.farklıKaydet();
        satırıTazele();
    });
    connect(menüler_.eylem("Mn_symbtr"), &QAction::triggered, this, [this] {
        if (auto yol = symbTrdenAl(oturum_.çalışmaKlasörü(), etkileşim_)) aç(*yol);
    });
    connect(menüler_.eylem("Mn_musicxmlAl"), &QAction::triggered, this, [this] {
        if (auto yol = musicXmldenAl(oturum_.çalışmaKlasörü(), etkileşim_)) aç(*yol);
    });
    connect(menüler_.eylem("Mn_musicxmlVer"), &QAction::triggered, this,
            [this] { musicXmlOlarakVer(oturum_.eser(), oturum_.yol(), etkileşim_); });
    connect(menüler_.eylem("Mn_çıkış"), &QAction::triggered, this, &QWidget::close);
    connect(menüler_.eylem("Mn_tercihler"), &QAction::triggered, this, [this] { Mn_tercihler_Click(); });
    connect(menüler_.eylem("Mn_düzen"), &QAction::triggered, this, [this] { Mn_düzen_Click(); });
    connect(menüler_.eylem("Mn_başlıklar"), &QAction::triggered, this, [this] {
        Mn_düzen_Click();
        sayfaGörünümü_->başlıklarıAç(1);
    });
    connect(menüler_.eylem("mn_yardım"), &QAction::triggered, this, [this] { yardımıGöster(*this); });
    connect(menüler_.eylem("Mn_Analiz"), &QAction::triggered, this, [this] { Mn_Analiz_Click(); });
    connect(menüler_.eylem("Mn_baskılar"), &QAction::triggered, this, [this] { Mn_baskılar_Click(); });
    connect(menüler_.eylem("Mn_SatırEdit"), &QAction::triggered, this, [this] {
        VScroll1_->value() == menüSatırı_ ? satıraGit(menüSatırı_) : VScroll1_->setValue(menüSatırı_);
    });
    panel_->önizlemeMenüsü = [this](int satır, QPoint nerede) { satırMenüsü(satır, nerede); };
}

void ARAYÜZ::kısayollarıKur() {
    const struct {
        const char* ad;
        QKeySequence kısayol;
    } kısayollar[] = {
        // Written out: without a desktop Qt's standard keys leave "save as" empty.
        {"Mn_aç", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Mn_kaydet", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Mn_farklı", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
        {"Mn_çıkış", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Mn_tercihler", QKeySequence(Qt::CTRL | Qt::Key_Comma)},
    };
    for (const auto& k : kısayollar) {
        QAction* eylem = menüler_.eylem(k.ad);
        eylem->setShortcut(k.kısayol);
        addAction(eylem);
    }
    auto adım = [this](QKeySequence tuş, int yön) {
        connect(new QShortcut(tuş, this), &QShortcut::activated, this, [this, yön] {
            if (VScroll1_->maximum() >= 1) VScroll1_->setValue(VScroll1_->value() + yön);
        });
    };
    adım(QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1);
    adım(QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_G), this), &QShortcut::activated, this, [this] {
        satırNoKutusu_->setFocus();
        satırNoKutusu_->selectAll();
    });
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().first()); });
}

void ARAYÜZ::hatırlatmaDoldur(const std::vector<std::string>& satırlar) {
    Hatırlatma_->clear();
    for (const std::string& s : satırlar) Hatırlatma_->addItem(qtMetin(s));
}

void ARAYÜZ::Mn_aç_Click() { açıldıysa(oturum_.aç()); }

void ARAYÜZ::aç(const std::filesystem::path& yol) { açıldıysa(oturum_.aç(yol)); }

void ARAYÜZ::kurtar(const KurtarılanSatır& kurtarılan) {
    aç(kurtarılan.eser);
    if (oturum_.yol() != kurtarılan.eser || editör_.satırNo() < 1) return;
    {
        const QSignalBlocker sessiz(VScroll1_);
        VScroll1_->setValue(kurtarılan.satırNo);
    }
    satıraGit(kurtarılan.satırNo);
    editör_.kurtarılanıKoy(kurtarılan.satır);
    panel_->yenidenÇiz();
}

// A score was opened or created: the editor starts again on line 1.
void ARAYÜZ::açıldıysa(EserOturumu::AçmaSonucu sonuç) {
    setWindowTitle(qtMetin(oturum_.pencereBaşlığı()));
    if (sonuç == EserOturumu::AçmaSonucu::programKapanmalı) {
        sormadanKapat_ = true;
        close();
        return;
    }
    if (sonuç != EserOturumu::AçmaSonucu::açıldı) {
        satırıTazele();
        return;
    }
    icra_->bitir();
    açılanEserinPlanı(oturum_.eser(), etkileşim_);
    fareİmleci_->yenile();
    editör_.sıfırla();
    eserBaşınıSeç();
    sayfayıTazele();
    menüler_.MenükilitAç();
    satırNoKutusu_->setEnabled(true);
    {
        const QSignalBlocker sessiz(VScroll1_);
        VScroll1_->setRange(1, satırSayısı);
        VScroll1_->setValue(1);
    }
    satıraGit(1);
}

// The palette inserts what the score starts with, until the user chooses;
// a score that starts without one has nothing chosen.
void ARAYÜZ::eserBaşınıSeç() {
    const EserBaşı baş = eserBaşı(oturum_.eser());
    List1_->seç(baş.makam);
    List2_->seç(baş.usul);
}

// The line follows the scroll bar once the mouse lets it go: a question
// asked while a button holds an arrow would leave the bar scrolling.
void ARAYÜZ::satırÇubuğuDeğişti() {
    const int n = VScroll1_->value();
    if (n >= 1 && n != editör_.satırNo() && QGuiApplication::mouseButtons() == Qt::NoButton) satıraGit(n);
}

// A range selected on another line is let go.
void ARAYÜZ::satıraGit(int n) {
    if (!editör_.satıraGeç(n)) {
        satırdaKal();
        return;
    }
    aralıkAraçları_->seçimiBırak();
    satırNoKutusu_->setText(QString::number(n));
    panel_->satırıGöster();
    if (icra_->açık()) {
        icra_->işaretleme().bandıGöster();
        return;
    }
    araçlar_->show();
    düzeltmeler_->show();
}

// The user stays on the line with its edits: the scroll bar and the number
// go back to it.
void ARAYÜZ::satırdaKal() {
    const QSignalBlocker sessiz(VScroll1_);
    VScroll1_->setValue(editör_.satırNo());
    satırNoKutusu_->setText(QString::number(editör_.satırNo()));
    panel_->resim().setFocus();
}

// After a question about the line: it may have been stored or read again.
void ARAYÜZ::satırıTazele() {
    if (editör_.satırNo() >= 1) panel_->yenidenÇiz();
}

void ARAYÜZ::sayfayıTazele() {
    if (sayfaGörünümü_ && sayfaGörünümü_->isVisible()) sayfaGörünümü_->SayfaYaz(true);
}

// `Mn_Kendi`, opened on a preview or a band of the strip.
void ARAYÜZ::satırMenüsü(int satır, QPoint nerede) {
    menüSatırı_ = satır;
    menüler_.menü("Mn_Kendi")->popup(nerede);
}

// "Sayfa": the strip and the pages of the open score.
void ARAYÜZ::Mn_düzen_Click() {
    if (!sayfaGörünümü_) {
        sayfaGörünümü_ = new SayfaGörünümü(oturum_, etkileşim_, this);
        sayfaGörünümü_->şeritMenüsü = [this](int satır, QPoint nerede) { satırMenüsü(satır, nerede); };
    }
    sayfaGörünümü_->SayfaYaz(true);
    sayfaGörünümü_->show();
    sayfaGörünümü_->raise();
}

// The analysis reads the score as it is when opened: a window left open
// from before gives way to the new one.
void ARAYÜZ::Mn_Analiz_Click() {
    if (analiz_) analiz_->close();
    const std::filesystem::path klasör =
        oturum_.yol().empty() ? oturum_.çalışmaKlasörü() : oturum_.yol().parent_path();
    analiz_ = AnalizPenceresi::aç(oturum_.eser(), glifler_, etkileşim_, klasör, this);
}

// "Çeşni Tanımla": the cins editor on the library of the run.
void ARAYÜZ::Mn_baskılar_Click() {
    FormCins pencere(cinsler_, oturum_.çalışmaKlasörü() / cinsDosyaAdı, etkileşim_, this);
    pencere.exec();
}

void ARAYÜZ::Mn_tercihler_Click() {
    konfig pencere(oturum_, this);
    pencere.uygulandı = [this] { görünümüYenile(); };
    pencere.exec();
}

// The line, the mouse over it and the open page show the score's fonts and
// preferences as they are now.
void ARAYÜZ::görünümüYenile() {
    panel_->yenidenÇiz();
    fareİmleci_->yenile();
    sayfayıTazele();
}

TercihKaydı ARAYÜZ::tercihler() const {
    return oturum_.açık() ? başlıktakiTercihler(oturum_.eser().başlık) : varsayılanTercihler();
}

// `Form_KeyDown`: a plain key that no control took goes to the line being
// edited, which also gets the focus, so the key is not lost on the way. A
// key the line does not answer comes back here and goes no further.
void ARAYÜZ::keyPressEvent(QKeyEvent* olay) {
    const auto tuşlar = olay->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    QWidget& resim = panel_->resim();
    if (tuşİletiliyor_ || tuşlar != Qt::NoModifier || editör_.satırNo() < 1 || !resim.isVisible()) {
        QMainWindow::keyPressEvent(olay);
        return;
    }
    const QScopedValueRollback iletiliyor(tuşİletiliyor_, true);
    resim.setFocus();
    QCoreApplication::sendEvent(&resim, olay);
}

// `Form_KeyPress`: Esc in any window of the program asks the running long
// operation to stop, and keeps its usual meaning besides.
bool ARAYÜZ::eventFilter(QObject* nesne, QEvent* olay) {
    if (olay->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(olay)->key() == Qt::Key_Escape)
        durdurmaBayrağı().kaldır();
    if (nesne == VScroll1_ && olay->type() == QEvent::MouseButtonRelease)
        QTimer::singleShot(0, this, [this] { satırÇubuğuDeğişti(); });
    return QMainWindow::eventFilter(nesne, olay);
}

void ARAYÜZ::closeEvent(QCloseEvent* olay) {
    if (icra_->seslendirme().çalışıyor()) {  // the rendering stops first
        durdurmaBayrağı().kaldır();
        olay->ignore();
        return;
    }
    if (!sormadanKapat_ && !oturum_.kapatılsınMı()) {
        olay->ignore();
        satırıTazele();
        return;
    }
    icra_->çalma().but_eser_stop_Click();
    std::error_code yok;
    std::filesystem::remove(oturum_.çalışmaKlasörü() / akortluData, yok);
    olay->accept();
}

}  // namespace selvika

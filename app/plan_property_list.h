#pragma once

#include <QListWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "audio/cesni.h"
#include "audio/plan_rows.h"
#include "core/interaction.h"
#include "core/header.h"
#include "rhythm/usul_library.h"

namespace selvika {

class Menüler;
class PlanÇizelgesi;
class SesDengesi;
class ÇeşniSeçimi;

// `List3`, the property list of the performance plan: the rows of one
// passage or of the line-play record; a click on a row opens its editor at
// the mouse (the plan's pop-up menus, the metronome and ahenk charts, the
// volume sliders, the çeşni choice, the usul patterns).
class ÖzellikListesi : public QListWidget {
public:
    ÖzellikListesi(const Menüler& menüler, Etkileşim& etkileşim, const CinsKütüphanesi& cinsler, QWidget* üst);
    ~ÖzellikListesi() override;

    // The usul patterns of the program folder, read when performance mode starts.
    void usulleriOku(const std::filesystem::path& programKlasörü);

    // `PasajGöster`: passage `numara` of the plan, 0 for none.
    void PasajGöster(EserBaşlık& başlık, int numara);
    // `PasajGösterSatır`: the line-play record.
    void PasajGösterSatır(Pasaj& satırPasajı);

    // After an editor changed what the list shows.
    std::function<void()> değişti;

    void List3_Click(int satır, QPoint nerede);

private:
    void menüleriBağla(const Menüler& menüler);
    void düzenleyicileriKur(const CinsKütüphanesi& cinsler);
    void düzenleyiciAç(const PlanSatırı& özellik, QPoint nerede);
    void usulKalıplarınıAç(QPoint nerede);
    void değiştir(const std::function<void(Pasaj&)>& değişiklik);
    void yenile();
    std::string usulAdı(int no) const;

    const Menüler& menüler_;
    Etkileşim& etkileşim_;
    const CinsKütüphanesi& cinsler_;
    std::optional<UsulKütüphanesi> usuller_;
    int numara_ = 0;
    Pasaj* pasaj_ = nullptr;
    PasajDeğeri* çeşni_ = nullptr;
    bool satırKipi_ = false;
    PlanSatırı açık_{PlanÖzelliği::birimNota};  // the row whose editor is open
    PlanÇizelgesi* metronom_;
    PlanÇizelgesi* ahenk_;
    SesDengesi* sesDengesi_;
    ÇeşniSeçimi* çeşniSeçimi_;
    QListWidget* usulKalıpları_;
};

}  // namespace selvika

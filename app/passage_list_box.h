#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "core/header.h"
#include "core/interaction.h"

class QListWidget;

namespace selvika {

// The passage list of performance mode with its buttons: every passage
// with a check box (the passages to render), each item carrying its
// passage number; delete, copy, clear all and move up or down.
class PasajListesi : public QWidget {
public:
    PasajListesi(Etkileşim& etkileşim, QWidget* üst);

    // Fills the list from the plan and selects passage `seçilecek` (0 none);
    // the passages checked keep their checks.
    void doldur(EserBaşlık& başlık, int seçilecek);
    // The selected passage, 0 for none.
    int seçili() const;
    // The checked passages, in list order.
    std::vector<int> işaretliler() const;

    // A passage was selected (0 when none is), to be shown.
    std::function<void(int numara)> seçildi;
    // The plan changed.
    std::function<void()> değişti;

private:
    void düğmeleriKur();
    void But_icraDelete_Click();
    void But_icraKopyala_Click();
    void But_icraTemizle_Click();
    void taşı(int yön);
    void bitti(int seçilecek, std::vector<bool> işaretler);
    // Whether passage n is checked, at n − 1.
    std::vector<bool> işaretDurumu() const;
    void listele(int seçilecek, const std::vector<bool>& işaretler);

    Etkileşim& etkileşim_;
    EserBaşlık* başlık_ = nullptr;
    QListWidget* liste_;
};

}  // namespace selvika

#pragma once

#include <QDialog>
#include <filesystem>

#include "analysis/cins_library.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace selvika {

class CinsResmi;

// `FormCins`, "Çeşni tanımlamaları": the cins library of the run, edited
// in place; "Kaydet" writes it to `Cinsler.dat`, "Vazgeç" reads it back.
class FormCins : public QDialog {
public:
    FormCins(CinsKütüphanesi& cinsler, std::filesystem::path dosya, Etkileşim& etkileşim, QWidget* üst);

    void But_CinsTamam_Click();
    void But_CinsVazgec_Click();

private:
    QWidget* listeyiKur();
    QWidget* imlecinYeriniKur();
    void listeyiDoldur();
    void CinsListesi_Click(int sıra);
    void Text1_Change(const QString& ad);
    void PicCins_MouseMove(int x, double y);
    Cins* seçili();

    CinsKütüphanesi& cinsler_;
    std::filesystem::path dosya_;
    Etkileşim& etkileşim_;
    QListWidget* CinsListesi_;
    QLineEdit* Text1_;
    CinsResmi* PicCins_;
    QLabel* koma_;
    QLabel* cent_;
    QLabel* karar_;
    QLabel* alt_;
    QLabel* üst_;
};

}  // namespace selvika

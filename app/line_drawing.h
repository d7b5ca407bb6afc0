#pragma once

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/header.h"
#include "core/interaction.h"
#include "core/line.h"
#include "render/line_painter.h"

namespace selvika {

class GlifKaynağı;

// The glyphs of the program folder, read once; nothing, and the reason in
// `hata`, when a drawing file is missing or damaged (start-up then ends).
const GlifKaynağı* programGlifleri(std::string* hata = nullptr);

// A line drawn at a scale: the editing area Picture1 at 1, the previews
// at one half. It draws with the open score's fonts and key signature once
// `eserBağla` has told it where they are, with a new score's before.
class SatırResmi : public QWidget {
public:
    SatırResmi(double ölçek, QWidget* üst);
    void göster(const Satır& satır);
    void eserBağla(std::function<const EserBaşlık&()> başlık, Etkileşim& etkileşim);
    // The "Kanallar" digits and "Seyir" marks over the notes.
    void katmanlarıGöster(bool kanallar, bool seyir);
    // Pale ledger lines at the mouse, for the staff position under it; none
    // when nothing.
    void fareEkÇizgileri(std::optional<QPoint> fare);
    // The range the range buttons act on, on a band; 0, 0 for none.
    void seçimiGöster(int ilk, int son);

protected:
    void paintEvent(QPaintEvent* olay) override;

private:
    void yenidenÇizilsin();
    QPixmap çizim() const;

    double ölçek_;
    Satır satır_;
    std::function<const EserBaşlık&()> başlık_;
    Etkileşim* etkileşim_ = nullptr;
    bool kanallar_ = false;
    bool seyir_ = false;
    std::optional<QPoint> fare_;
    QPixmap çizim_;  // the line as last drawn; null when it must be drawn again
    int seçimİlk_ = 0, seçimSon_ = 0;
};

}  // namespace selvika

#pragma once

#include <QPixmap>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/glyph_table.h"
#include "core/line_editor.h"
#include "render/accidental_glyphs.h"

class QPainter;

namespace selvika {

inline constexpr const char* usulSeçin = "bir usul seçin";

// The glyph sheet BigEsel.png with its character table, read once from the
// program folder. Without the files every glyph is missing and callers fall
// back to text.
class GlifSayfası {
public:
    explicit GlifSayfası(const std::filesystem::path& programKlasörü);

    bool var(int kod) const;
    // Scaled to fit, centred in `hedef`; false when the sheet lacks the glyph.
    bool ortala(QPainter& ressam, int kod, const QRectF& hedef) const;
    // Placed by its origin (an accidental: left edge, at the height it alters).
    bool kökeÇiz(QPainter& ressam, int kod, QPointF köken) const;

private:
    KarakterTablosu tablo_;
    QPixmap sayfa_;
    bool yüklü_ = false;
};

// The element palette `Picture2`: the accidental strip on top; under it the
// cells of the key signature of the chosen makam and the chosen usul's
// numeral; then the rests of every value and the bar lines. Each cell is
// chosen once and places its element with clicks into gaps of the line
// (note mode).
class ElemanPaleti : public QWidget {
public:
    static constexpr int şeritYüksekliği = 30;
    static constexpr int hücreÜstü = 34;
    static constexpr int hücreGenişliği = 100;
    static constexpr int araçÜstü = hücreÜstü + şeritYüksekliği + 4;  // the rests, then the bar lines
    static constexpr int araçGenişliği = 19;

    ElemanPaleti(SatırEditörü& editör, EserOturumu& oturum, Etkileşim& etkileşim, const GlifSayfası& glifler,
                 QWidget* üst);

    // 0 when no accidental waits for a note.
    Integer bekleyen() const { return bekleyen_; }
    // The element that a click into a gap places, if a cell is chosen.
    const std::optional<Eleman>& araç() const { return araç_; }

    // Clicks on the line picture give the pending accidental to a note.
    void resmeBağla(QWidget& resim);

    std::function<std::optional<Byte>()> seçilenMakam;
    std::function<std::optional<int>()> seçilenUsul;
    std::function<bool()> notaModunda;
    // The bar line chosen, or 0 when none is: the kind Space writes.
    std::function<void(Byte)> çizgiSeçildi;
    // After a rest or bar line was chosen or put away.
    std::function<void()> araçDeğişti;
    // After every change of the line buffer, once it is marked and saved.
    std::function<void()> değişti;

protected:
    void paintEvent(QPaintEvent* olay) override;
    void mousePressEvent(QMouseEvent* olay) override;
    bool eventFilter(QObject* nesne, QEvent* olay) override;

private:
    void şeritÇiz(QPainter& ressam);
    void hücreleriÇiz(QPainter& ressam);
    void araçlarıÇiz(QPainter& ressam);
    void şeritTıklandı(int x, Qt::KeyboardModifiers tuşlar);
    void hücreTıklandı(int x);
    void araçTıklandı(int i);
    bool arızaVer(int x);
    bool araçKoy(int x);
    std::optional<Eleman> hücreElemanı(Byte türü);
    void düzenlendi();

    SatırEditörü& editör_;
    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
    const GlifSayfası& glifler_;
    QWidget* resim_ = nullptr;
    Integer bekleyen_ = 0;
    Integer seçili_ = 0;  // the plain code of the highlighted band
    std::optional<Eleman> araç_;
    int araçHücresi_ = 0;  // the cell of the chosen rest or bar line; −1 for an upper cell
};

}  // namespace selvika

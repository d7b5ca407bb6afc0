#pragma once

#include <functional>
#include <optional>

#include "core/score_session.h"
#include "core/undo_ring.h"

namespace selvika {

// The line being edited: the buffer, its number in the score, its undo ring
// and whether it was changed since it was loaded or stored.
class SatırEditörü {
public:
    // Computes the sound data of a stored line (`ses`): koma positions and
    // performed durations.
    using SesHesabı = std::function<void(Satır&)>;

    SatırEditörü(EserOturumu& oturum, Etkileşim& etkileşim, YedekHalkası& halka, SesHesabı ses = {});

    // 0 until a line is loaded.
    int satırNo() const { return satırNo_; }
    Satır& tampon() { return tampon_; }
    const Satır& tampon() const { return tampon_; }
    bool değişti() const { return değişti_; }

    // The neighbours shown above and below the editing area, when shown.
    std::optional<int> üstÖnizleme() const;
    std::optional<int> altÖnizleme() const;

    // Moving to line n (`SatırOku`, then the first snapshot of its history).
    void satıraGit(int n);

    // After every successful edit of the buffer: mark it and snapshot it.
    void düzenlendi();

    // The store command: the buffer into the score, the file saved, then the
    // sound data of the line recomputed into the score.
    void kaydet();

    void geriAl();
    void yinele();
    bool geriAlınabilir() const { return halka_.geriAlınabilir(); }
    bool yinelenebilir() const { return halka_.yinelenebilir(); }

    // Leaving the editing area: offers to store a changed line.
    void ayrıl();
    // The discard hint of the editing area.
    void vazgeçmeİpucu();

    // A score was opened or created: nothing is loaded any more.
    void sıfırla();

private:
    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
    YedekHalkası& halka_;
    SesHesabı ses_;
    Satır tampon_;
    int satırNo_ = 0;
    bool değişti_ = false;
};

}  // namespace selvika

#pragma once

#include <functional>
#include <optional>

#include "core/score_session.h"
#include "core/undo_ring.h"

namespace selvika {

inline constexpr const char* satırdanÇıkmaSorusu =
    "satırda değişiklikler yaptınız, bu satırdan çıkmadan önce bu değişiklikleri\n"
    " kaydetmek istiyor musunuz ?";
inline constexpr const char* kayıtOnayı = "kayıt onayı";

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
    // The user's move to line n: first the question of satırBırakılsınMı;
    // false when the user stays.
    bool satıraGeç(int n);

    // Before the line is left for another and before the score is saved,
    // closed or replaced (the session asks through here): a changed line is
    // stored or its edits dropped as the user answers. False when the user
    // stays on the line with the edits, or storing failed.
    bool satırBırakılsınMı();

    // After every successful edit of the buffer: mark it and snapshot it.
    void düzenlendi();

    // The last snapshot of a run that was killed becomes the buffer of the
    // line loaded, as an edit not stored.
    void kurtarılanıKoy(const Satır& satır);

    // The store command: the buffer into the score, the file saved, then the
    // sound data of the line recomputed into the score.
    void kaydet();

    void geriAl();
    void yinele();
    bool geriAlınabilir() const { return halka_.geriAlınabilir(); }
    bool yinelenebilir() const { return halka_.yinelenebilir(); }

    // Leaving the editing area: offers to store a changed line; the edits
    // not stored are dropped, so that nothing asks about them again.
    void ayrıl();
    // The discard hint of the editing area.
    void vazgeçmeİpucu();

    // A score was opened or created: nothing is loaded any more.
    void sıfırla();

private:
    void değişiklikleriAt();

    EserOturumu& oturum_;
    Etkileşim& etkileşim_;
    YedekHalkası& halka_;
    SesHesabı ses_;
    Satır tampon_;
    int satırNo_ = 0;
    bool değişti_ = false;
};

}  // namespace selvika

#pragma once

#include <optional>
#include <string>

#include "core/interaction.h"
#include "core/line_editor.h"
#include "edit/edit_mode.h"
#include "edit/picked_handle.h"

namespace selvika {

// The keys the editing area answers; the digit, function and keypad keys
// run in order so that their number can be read from them.
enum class Tuş {
    rakam1, rakam2, rakam3, rakam4, rakam5, rakam6, rakam7, rakam8, rakam9,
    F1, F2, F3, F4, F5, F6, F7, F8, F9, F10, F11, F12,
    yukarı, aşağı, sol, sağ, başa, sona, boşluk,
    tuşTakımı1, tuşTakımı2, tuşTakımı3, tuşTakımı4, tuşTakımı5, tuşTakımı6, tuşTakımı7,
    tuşTakımıArtı, tuşTakımıEksi, tuşTakımıBölü, tuşTakımıÇarpı,
    nokta, B, D, N, K, U, E, A, M, P, T, Y, H, C, G, L, O, S, sil,
};

struct TuşBasışı {
    Tuş tuş;
    bool shift = false;
    bool ctrl = false;
};

// What the keys remember between presses; the cursor itself is the
// element whose `imleç` is 1.
struct EditörDurumu {
    DüzenModu mod = DüzenModu::nota;
    Byte çizgiTürü = 0;  // the bar line chosen in the element palette, 0 none
    int sonDüzenlenen = 0;
    // A slur handle or a label picked with the mouse takes the arrow keys.
    std::optional<Tutamak> tutamak;
};

enum class TuşSonucu { yok, imleçOynadı, düzenlendi };

inline constexpr const char* numLockUyarısı = "NumLOCK tuşunu etkin hale getirin.";

// `Picture1_KeyDown`: one key on the line being edited. An edit is followed
// by a snapshot; a refusal or a key that changes nothing takes none.
TuşSonucu Picture1_KeyDown(SatırEditörü& editör, EditörDurumu& durum, Etkileşim& etkileşim, TuşBasışı basış,
                           bool numLock);

// The same on a bare line, without the mode and NumLock checks and without
// the snapshot.
TuşSonucu tuşUygula(Satır& satır, EditörDurumu& durum, Etkileşim& etkileşim, TuşBasışı basış);

// The window's caption after Left or Right: the cursor and its triplet
// position while CapsLock is on, else the program and its version.
std::string imleçBaşlığı(const Satır& satır, bool capsLock);

}  // namespace selvika

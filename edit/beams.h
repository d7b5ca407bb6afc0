#pragma once

#include <optional>
#include <span>
#include <vector>

#include "core/interaction.h"
#include "core/line.h"

namespace selvika {

inline constexpr const char* gurupGeçersizNota = "Gurupta geçersiz nota";

// A member of a beam group as the codes see it.
struct GurupÜyesi {
    Byte süre;
    bool noktalı;
};

// The pattern key of a group: one decimal digit per member, süre ÷ 8
// (1241 = eighth, sixteenth, thirty-second, eighth).
int desenAnahtarı(std::span<const GurupÜyesi> üyeler);

// The codes of every member but the last. Neighbours share the beams of the
// longer of the two; a note shorter than each neighbour starts its extra
// beams towards the neighbour nearer its own value, on a tie towards a
// dotted neighbour, else to the right. Nothing when a member is a quarter
// or longer.
std::optional<std::vector<Byte>> kirişDeseni(std::span<const GurupÜyesi> üyeler);

// `kirişAta`: the codes of ilk..son - 1 from the members' values; groups of
// six or more keep theirs. False, with "Gurupta geçersiz nota" shown and the
// codes unchanged, when a member is a quarter or longer.
bool kirişAta(Satır& satır, int ilk, int son, Etkileşim& etkileşim);

}  // namespace selvika

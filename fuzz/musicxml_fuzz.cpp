// MusicXML files, as the import reads them.

#include "core/defaults.h"
#include "core/file_io.h"
#include "fuzz/harness.h"
#include "interchange/musicxml_export.h"
#include "interchange/musicxml_import.h"

namespace selvika::fuzz {
namespace {

// A measure with a koma-flat note, a triplet and a syllable.
constexpr std::string_view ölçü = R"(<?xml version="1.0" encoding="UTF-8"?>
<score-partwise version="4.0"><part-list><score-part id="P1"><part-name>Ses</part-name></score-part></part-list>
<part id="P1"><measure number="1"><attributes><divisions>12</divisions>
<key><key-step>B</key-step><key-alter>-0.23</key-alter><key-accidental smufl="accidentalKomaFlat">other</key-accidental></key>
<time><beats>2</beats><beat-type>4</beat-type></time><clef><sign>G</sign><line>2</line></clef></attributes>
<note><pitch><step>B</step><alter>-0.226</alter><octave>4</octave></pitch><duration>12</duration><type>quarter</type>
<accidental smufl="accidentalKomaFlat">quarter-flat</accidental><lyric number="1"><syllabic>single</syllabic><text>Gül</text></lyric></note>
<note><pitch><step>A</step><octave>4</octave></pitch><duration>4</duration><type>eighth</type><time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification></note>
<note><pitch><step>G</step><octave>4</octave></pitch><duration>4</duration><type>eighth</type><time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification></note>
<note><rest/><duration>4</duration><type>eighth</type><time-modification><actual-notes>3</actual-notes><normal-notes>2</normal-notes></time-modification></note>
</measure></part></score-partwise>
)";

}  // namespace

std::vector<Baytlar> tohumlar() {
    const std::string boş = musicXmlMetni(*yeniEser(varsayılanTercihler()));
    return {Baytlar(ölçü.begin(), ölçü.end()), Baytlar(boş.begin(), boş.end())};
}

}  // namespace selvika::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* veri, std::size_t boy) {
    try {
        selvika::musicXmlMetniniAl({reinterpret_cast<const char*>(veri), boy});
    } catch (const selvika::DosyaHatası&) {
        // refused with its reason, as the user is told
    }
    return 0;
}

#include <gtest/gtest.h>

#include <cmath>
#include <pugixml.hpp>

#include "core/score_file.h"
#include "interchange/musicxml_command.h"
#include "interchange/musicxml_export.h"
#include "interchange/musicxml_import.h"
#include "tests/interchange/musicxml_scores.h"
#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using test::herArızalıEser;
using test::notaSesleri;
using test::saklanmışÖrnek;

class MusicXmlGidişDönüş : public ::testing::TestWithParam<EserPtr (*)()> {};

TEST_P(MusicXmlGidişDönüş, KeepsEveryKomaPositionAndDuration) {
    const EserPtr eser = GetParam()();
    const İçeAlma alınan = musicXmlMetniniAl(musicXmlMetni(*eser));
    EXPECT_EQ(notaSesleri(*alınan.eser), notaSesleri(*eser));
    EXPECT_TRUE(alınan.rapor.satırlar.empty()) << alınan.rapor.satırlar.front();
}

INSTANTIATE_TEST_SUITE_P(Eserler, MusicXmlGidişDönüş, ::testing::Values(&saklanmışÖrnek, &herArızalıEser));

TEST(MusicXmlGidişDönüş, KeepsVerseRowsExpressionsTitleAndComposer) {
    const EserPtr eser = herArızalıEser();
    const İçeAlma alınan = musicXmlMetniniAl(musicXmlMetni(*eser));
    EXPECT_EQ(alınan.eser->satırlar[1].güfteSatırları[1].trimmed(), "Se- vi yor");
    EXPECT_EQ(alınan.eser->satırlar[1].güfteSatırları[2].trimmed(), "Q du mu");
    EXPECT_EQ(alınan.eser->satırlar[1].ifadeler[1].metin.trimmed(), "TESLİM");
    EXPECT_EQ(alınan.eser->başlık.başlıklar[1].metin.trimmed(), "Her Arıza");
    EXPECT_EQ(alınan.eser->başlık.başlıklar[7].metin.trimmed(), "Selvika");
    EXPECT_EQ(alınan.eser->başlık.başlıklar[8].metin.trimmed(), "Anonim");
}

TEST(MusicXmlYazımı, IsAWellFormedPartWithKomaAlters) {
    const EserPtr eser = herArızalıEser();
    pugi::xml_document belge;
    ASSERT_TRUE(belge.load_string(musicXmlMetni(*eser).c_str()));
    const auto kök = belge.child("score-partwise");
    EXPECT_STREQ(kök.attribute("version").value(), "4.0");
    EXPECT_STREQ(kök.child("work").child_value("work-title"), "Her Arıza");
    const auto bölüm = kök.child("part");
    EXPECT_FALSE(bölüm.next_sibling("part"));
    int ölçü = 0, nota = 0, bağ = 0, yay = 0, triole = 0;
    for (auto m : bölüm.children("measure")) {
        ++ölçü;
        int süre = 0;
        for (auto n : m.children("note")) {
            süre += n.child("duration").text().as_int();
            ASSERT_TRUE(n.child("pitch") || n.child("rest"));
            ASSERT_TRUE(n.child("type"));
            if (auto a = n.child("accidental")) {
                const std::string smufl = a.attribute("smufl").value();
                EXPECT_TRUE(smufl.starts_with("accidental")) << smufl;
                if (smufl != "accidentalNatural") EXPECT_TRUE(n.child("pitch").child("alter"));
            }
            if (auto alter = n.child("pitch").child("alter")) {
                const double komalar = alter.text().as_double() * 53 / 12;
                EXPECT_NEAR(komalar, std::round(komalar), 0.001);
            }
            bağ += static_cast<bool>(n.child("notations").child("tied"));
            yay += static_cast<bool>(n.child("notations").child("slur"));
            triole += static_cast<bool>(n.child("time-modification"));
            ++nota;
        }
        EXPECT_EQ(süre, 4 * 96) << "ölçü " << ölçü;
    }
    EXPECT_EQ(ölçü, 6);
    EXPECT_EQ(nota, 27);
    EXPECT_EQ(bağ, 2);
    EXPECT_EQ(yay, 0);
    EXPECT_EQ(triole, 3);
    const auto anahtar = bölüm.child("measure").child("attributes").child("key");
    EXPECT_STREQ(anahtar.child_value("key-step"), "B");
    EXPECT_STREQ(anahtar.child("key-accidental").attribute("smufl").value(), "accidentalKomaFlat");
}

TEST(MusicXmlAlımı, ReportsWhatCannotBeWrittenWithItsMeasure) {
    const char* metin = R"(<score-partwise version="4.0"><part-list><score-part id="P1"/></part-list>
      <part id="P1"><measure number="7"><attributes><divisions>1</divisions>
      <time><beats>4</beats><beat-type>4</beat-type></time></attributes>
      <note><pitch><step>C</step><octave>9</octave></pitch><duration>4</duration><type>whole</type></note>
      <note><chord/><pitch><step>E</step><octave>4</octave></pitch><duration>4</duration><type>whole</type></note>
      </measure></part></score-partwise>)";
    const İçeAlma alınan = musicXmlMetniniAl(metin);
    ASSERT_EQ(alınan.rapor.satırlar.size(), 2u);
    EXPECT_EQ(alınan.rapor.satırlar[0], "ölçü 7: perde C9 portede yok: es yazıldı");
    EXPECT_EQ(alınan.rapor.satırlar[1], "ölçü 7: akor notası alınmadı");
}

// SymbTr spells a küçük mücenneb flat with "flat" and alter -1, a bakiye
// flat with "slash-flat" and no alter, and leans on the measure's
// accidentals rather than the key for unmarked notes.
TEST(MusicXmlAlımı, ReadsSymbTrSpellings) {
    const char* metin = R"(<score-partwise version="3.0"><part-list><score-part id="P1"/></part-list>
      <part id="P1"><measure number="1"><attributes><divisions>1</divisions>
      <key><key-step>B</key-step><key-alter>-2</key-alter><key-accidental>quarter-flat</key-accidental></key>
      <time><beats>4</beats><beat-type>4</beat-type></time></attributes>
      <note><pitch><step>B</step><alter>-1</alter><octave>4</octave></pitch><duration>1</duration><type>quarter</type><accidental>flat</accidental></note>
      <note><pitch><step>E</step><octave>5</octave></pitch><duration>1</duration><type>quarter</type><accidental>slash-flat</accidental></note>
      <note><pitch><step>E</step><octave>5</octave></pitch><duration>1</duration><type>quarter</type></note>
      <note><pitch><step>B</step><alter>-0.5</alter><octave>4</octave></pitch><duration>1</duration><type>quarter</type><accidental>quarter-flat</accidental></note>
      </measure></part></score-partwise>)";
    const İçeAlma alınan = musicXmlMetniniAl(metin);
    const auto sesler = notaSesleri(*alınan.eser);
    ASSERT_EQ(sesler.size(), 4u);
    EXPECT_EQ(sesler[0].sesindeks, 106 + 5);
    EXPECT_EQ(sesler[1].sesindeks, 84 + 4);
    EXPECT_EQ(sesler[2].sesindeks, 84 + 4);
    EXPECT_EQ(sesler[3].sesindeks, 106 + 1);
    EXPECT_EQ(alınan.eser->satırlar[1].elemanlar[1].usulNo, 13);  // the first makam with si −1 alone: BAYATI
}

// "MusicXML olarak ver…" then "MusicXML'den al…", the files chosen in the
// dialogs; the score's own name is offered for the export.
TEST(MusicXmlMenüsü, SendsTheScoreOutAndBringsItBack) {
    const auto klasör = std::filesystem::temp_directory_path() / ("selvika-musicxml-" + std::to_string(::getpid()));
    std::filesystem::create_directories(klasör);
    const EserPtr eser = herArızalıEser();
    test::SenaryoluEtkileşim e;
    e.dosyalar = {klasör / "eser.musicxml", klasör / "eser.musicxml", klasör / "geri.EVD"};
    musicXmlOlarakVer(*eser, klasör / "eser.EVD", e);
    EXPECT_EQ(e.dosyaSeçimleri[0].önerilenAd, "eser.musicxml");
    ASSERT_EQ(musicXmldenAl(klasör, e), klasör / "geri.EVD");
    EXPECT_EQ(notaSesleri(*eserOku(klasör / "geri.EVD").eser), notaSesleri(*eser));
    EXPECT_TRUE(e.mesajlar.empty());
    std::filesystem::remove_all(klasör);
}

}  // namespace
}  // namespace selvika

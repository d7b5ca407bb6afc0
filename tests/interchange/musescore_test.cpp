// MuseScore 3 as a client of the export: it must open it, and its own
// re-export must keep every note's step, octave and accidental glyph.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <pugixml.hpp>

#include "interchange/musicxml_export.h"
#include "tests/interchange/musicxml_scores.h"

namespace selvika {
namespace {

namespace fs = std::filesystem;

struct Nota {
    std::string adım, oktav, arıza;
    double alter;
};

std::vector<Nota> notalar(const fs::path& yol) {
    pugi::xml_document belge;
    EXPECT_TRUE(belge.load_file(yol.c_str())) << yol;
    std::vector<Nota> hepsi;
    for (auto ölçü : belge.child("score-partwise").child("part").children("measure"))
        for (auto n : ölçü.children("note"))
            if (auto p = n.child("pitch"))
                hepsi.push_back({p.child_value("step"), p.child_value("octave"), n.child_value("accidental"),
                                 p.child("alter").text().as_double()});
    return hepsi;
}

bool musescoreVar() { return std::system("command -v musescore3 >/dev/null 2>&1") == 0; }

int musescore(const fs::path& girdi, const fs::path& çıktı) {
    const std::string komut =
        "QT_QPA_PLATFORM=offscreen musescore3 -o '" + çıktı.string() + "' '" + girdi.string() + "' >/dev/null 2>&1";
    return std::system(komut.c_str());
}

class MuseScore : public ::testing::TestWithParam<EserPtr (*)()> {};

TEST_P(MuseScore, OpensTheExportAndKeepsEveryNotesStepOctaveAndGlyph) {
    if (!musescoreVar()) GTEST_SKIP() << "musescore3 yok";
    const fs::path klasör = fs::temp_directory_path() / ("selvika-musescore-" + std::to_string(::getpid()));
    fs::create_directories(klasör);
    const fs::path yazılan = klasör / "eser.musicxml";
    musicXmlKaydet(*GetParam()(), yazılan);

    ASSERT_EQ(musescore(yazılan, klasör / "eser.pdf"), 0);
    EXPECT_GT(fs::file_size(klasör / "eser.pdf"), 0u);
    ASSERT_EQ(musescore(yazılan, klasör / "geri.musicxml"), 0);

    const std::vector<Nota> bizim = notalar(yazılan), onun = notalar(klasör / "geri.musicxml");
    ASSERT_EQ(onun.size(), bizim.size());
    for (std::size_t i = 0; i < bizim.size(); ++i) {
        EXPECT_EQ(onun[i].adım, bizim[i].adım) << i;
        EXPECT_EQ(onun[i].oktav, bizim[i].oktav) << i;
        // MuseScore 3 reads only whole and half-tone alters: where a note's
        // pitch rests on a koma fraction alone (no glyph, or a plain flat or
        // sharp sign: küçük mücenneb flat, bakiye sharp) it takes the note as
        // natural and draws what that needs.
        const bool yalnızAlter = bizim[i].arıza.empty() || bizim[i].arıza == "flat" || bizim[i].arıza == "sharp";
        if (yalnızAlter && bizim[i].alter * 2 != std::round(bizim[i].alter * 2)) continue;
        EXPECT_EQ(onun[i].arıza, bizim[i].arıza) << i;
    }
    fs::remove_all(klasör);
}

INSTANTIATE_TEST_SUITE_P(Eserler, MuseScore, ::testing::Values(&test::saklanmışÖrnek, &test::herArızalıEser));

}  // namespace
}  // namespace selvika

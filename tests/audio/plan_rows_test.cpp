#include "audio/plan_rows.h"

#include <gtest/gtest.h>

#include "tests/support/scripted_interaction.h"

namespace selvika {
namespace {

using Ö = PlanÖzelliği;

TEST(PlanSatırları, EachRowEditsItsProperty) {
    const struct { int satır; std::optional<PlanSatırı> özellik; } durumlar[] = {
        {3, std::nullopt},
        {4, PlanSatırı{Ö::birimNota}},
        {5, PlanSatırı{Ö::girişMetronomu}},
        {6, PlanSatırı{Ö::çıkışMetronomu}},
        {7, std::nullopt},
        {8, PlanSatırı{Ö::metronomKipi}},
        {10, PlanSatırı{Ö::saz, 0}},
        {11, PlanSatırı{Ö::göçürüm, 0}},
        {12, PlanSatırı{Ö::kanal, 0}},
        {13, PlanSatırı{Ö::saz, 1}},
        {17, PlanSatırı{Ö::göçürüm, 2}},
        {21, PlanSatırı{Ö::kanal, 3}},
        {22, PlanSatırı{Ö::ritimSazı}},
        {23, PlanSatırı{Ö::sesDengesi}},
        {24, PlanSatırı{Ö::usul}},
        {26, PlanSatırı{Ö::sesDengesi}},
        {28, PlanSatırı{Ö::çeşni}},
        {29, std::nullopt},
    };
    for (const auto& d : durumlar) EXPECT_EQ(planSatırı(d.satır), d.özellik) << d.satır;
    EXPECT_EQ(satırKipiSatırı(1), PlanSatırı{Ö::girişMetronomu});
    EXPECT_EQ(satırKipiSatırı(3), (PlanSatırı{Ö::göçürüm, 0}));
    EXPECT_EQ(satırKipiSatırı(4), std::nullopt);
}

TEST(PlanSatırları, NeedAPassageOrTheLineAndRefuseTheDarbuka) {
    test::SenaryoluEtkileşim kullanıcı;
    EXPECT_TRUE(planDüzenlenebilir(2, false, kullanıcı));
    EXPECT_TRUE(planDüzenlenebilir(0, true, kullanıcı));
    EXPECT_FALSE(planDüzenlenebilir(0, false, kullanıcı));
    Pasaj p;
    ritimSazıSeç(p, Text<5>("KUDUM"), kullanıcı);
    ritimSazıSeç(p, Text<5>("DRBKA"), kullanıcı);
    EXPECT_EQ(p.ritim.trimmed(), "KUDUM");
    EXPECT_EQ(kullanıcı.metinler(),
              (std::vector<std::string>{"Önce bir pasaj seçin.", "Bu ritimsaz henüz yapım aşamasındadır."}));
}

TEST(PlanSatırları, AnÇeşniOutsideItsTablesIsDropped) {
    const struct { PasajDeğeri önce, sonra; } durumlar[] = {
        {{49, 29, {}}, {49, 29, {}}}, {{50, 3, {}}, {0, 3, {}}}, {{7, 30, {}}, {7, 0, {}}}};
    for (auto d : durumlar) {
        çeşniyiDüzelt(d.önce);
        EXPECT_EQ(d.önce, d.sonra);
    }
}

}  // namespace
}  // namespace selvika

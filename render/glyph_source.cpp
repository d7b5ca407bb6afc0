#include "render/glyph_source.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QRegularExpression>
#include <QTextStream>

#include "core/data_file.h"
#include "render/box_recording.h"

namespace selvika {
namespace {

constexpr double birimAralık = 10.0;  // pixels a staff space at full size on the sheet
constexpr int sabitKod = 229;
constexpr double başEni = 1.18 * birimAralık;         // a note head's width
constexpr double başınSapYeri = 0.168 * birimAralık;  // where the stem leaves the head         // copied from a fixed square
constexpr QRect sabitKare(15, 418, 12, 12);

QString yolAdı(const std::filesystem::path& p) { return QFile::decodeName(p.c_str()); }

// White sheet pixels become transparent, the ink keeps its darkness as alpha.
QImage mürekkep(const QImage& sayfa) {
    QImage gri = sayfa.convertToFormat(QImage::Format_Grayscale8);
    QImage sonuç(gri.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < gri.height(); ++y) {
        const uchar* kaynak = gri.constScanLine(y);
        auto* hedef = reinterpret_cast<QRgb*>(sonuç.scanLine(y));
        for (int x = 0; x < gri.width(); ++x) hedef[x] = qRgba(0, 0, 0, 255 - kaynak[x]);
    }
    return sonuç;
}

GravürKalınlıkları kalınlıklarıÇöz(const QJsonObject& d) {
    GravürKalınlıkları k;
    auto al = [&](const char* ad, double& değer) { değer = d[ad].toDouble(değer); };
    al("stemThickness", k.sap);
    al("beamThickness", k.kiriş);
    al("beamSpacing", k.kirişAralığı);
    al("staffLineThickness", k.porte);
    al("legerLineThickness", k.ekÇizgi);
    al("legerLineExtension", k.ekÇizgiUzantısı);
    al("thinBarlineThickness", k.ince);
    al("slurMidpointThickness", k.yayOrta);
    al("slurEndpointThickness", k.yayUç);
    return k;
}

// A glyph's kind in the boxes of a drawing, where its painter did not say.
KutuTürü glifKutusu(Byte aile) {
    switch (GlyphFamily(aile)) {
        case GlyphFamily::note: case GlyphFamily::grace: return KutuTürü::head;
        case GlyphFamily::rest: return KutuTürü::rest;
        case GlyphFamily::accidental: return KutuTürü::accidental;
        case GlyphFamily::dot: return KutuTürü::dot;
        case GlyphFamily::clef: return KutuTürü::clef;
        case GlyphFamily::barLine: return KutuTürü::barline;
        case GlyphFamily::articulation: case GlyphFamily::sign: return KutuTürü::articulation;
        case GlyphFamily::digit: return KutuTürü::timesignature;
        case GlyphFamily::tie: return KutuTürü::slur;
        case GlyphFamily::none: break;
    }
    return KutuTürü::none;
}

}  // namespace

std::unique_ptr<GlifKaynağı> GlifKaynağı::yükle(const std::filesystem::path& klasör, std::string* hata) {
    auto kaynak = std::unique_ptr<GlifKaynağı>(new GlifKaynağı);
    auto reddet = [&](const std::string& neden) {
        if (hata) *hata = neden;
        return nullptr;
    };
    if (!karakterTablosunuOku(klasör / karakterDosyası, kaynak->tablo_, hata)) return nullptr;
    for (const char* ad : {karakterSayfası, bravuraDosyası, bravuraBilgisi, glifListesi})
        if (auto neden = veriDosyasıOkunamıyor(klasör / ad)) return reddet(*neden);
    if (auto neden = kaynak->sayfayıOku(klasör / karakterSayfası)) return reddet(*neden);
    kaynak->yazıTipi_.loadFromFile(yolAdı(klasör / bravuraDosyası), 4 * birimAralık, QFont::PreferNoHinting);
    if (!kaynak->yazıTipi_.isValid()) return reddet(veriDosyasıBozuk(klasör / bravuraDosyası, "yazı tipi olarak okunamadı"));
    if (auto neden = kaynak->kalınlıklarıOku(klasör / bravuraBilgisi)) return reddet(*neden);
    if (auto neden = kaynak->parçalarıOku(klasör / glifListesi)) return reddet(*neden);
    return kaynak;
}

// Every glyph of the table must lie on the sheet.
std::optional<std::string> GlifKaynağı::sayfayıOku(const std::filesystem::path& yol) {
    QImage sayfa(yolAdı(yol));
    if (sayfa.isNull()) return veriDosyasıBozuk(yol, "resim olarak okunamadı");
    for (int kod = ilkKarakter; kod <= sonKarakter; ++kod) {
        const KarakterKaydı& k = tablo_[kod];
        if (!k.boş() && !sayfa.rect().contains(QRect(k.sayfaX, k.sayfaY, k.genişlik, k.yükseklik)))
            return veriDosyasıBozuk(yol, std::to_string(kod) + " kodunun glifi resmin dışında kalıyor");
    }
    sayfa_ = mürekkep(sayfa);
    return std::nullopt;
}

std::optional<std::string> GlifKaynağı::kalınlıklarıOku(const std::filesystem::path& yol) {
    QFile bilgi(yolAdı(yol));
    bilgi.open(QIODevice::ReadOnly);
    QJsonParseError hata;
    const QJsonDocument belge = QJsonDocument::fromJson(bilgi.readAll(), &hata);
    if (hata.error != QJsonParseError::NoError) return veriDosyasıBozuk(yol, "JSON olarak okunamadı");
    const QJsonValue değerler = belge.object()["engravingDefaults"];
    if (!değerler.isObject()) return veriDosyasıBozuk(yol, "engravingDefaults bölümü yok");
    kalınlık_ = kalınlıklarıÇöz(değerler.toObject());
    return std::nullopt;
}

// A row: the code, its letter, two words, then the parts drawn (font glyphs
// by name and code point, stems by length); comments start with "#".
std::optional<std::string> GlifKaynağı::parçalarıOku(const std::filesystem::path& yol) {
    QFile liste(yolAdı(yol));
    liste.open(QIODevice::ReadOnly | QIODevice::Text);
    static const QRegularExpression harf(R"(^\w+:U\+([0-9A-Fa-f]+)$)"), sap(R"(^stem(Up|Down):([0-9.]+)$)");
    QTextStream akış(&liste);
    for (int satır = 1; !akış.atEnd(); ++satır) {
        const QString metin = akış.readLine();
        if (metin.trimmed().isEmpty() || metin.startsWith('#')) continue;
        const QStringList sütunlar = metin.split('\t');
        bool sayı = false;
        const int kod = sütunlar[0].toInt(&sayı);
        if (sütunlar.size() < 4 || !sayı || kod < ilkKarakter || kod > sonKarakter)
            return veriDosyasıBozuk(yol, std::to_string(satır) + ". satır bir glif satırı değil");
        std::vector<Parça>& parçalar = parçalar_[kod];
        bool sapVar = false;
        for (const QString& parça : sütunlar[3].split(' ', Qt::SkipEmptyParts)) {
            if (auto m = harf.match(parça); m.hasMatch())
                parçalar.push_back({char32_t(m.captured(1).toUInt(nullptr, 16)), sapVar, 0});
            else if (auto s = sap.match(parça); s.hasMatch()) {
                parçalar.push_back({0, false, s.captured(2).toDouble()});
                sapVar = true;
            }
        }
    }
    if (parçalar_.empty()) return veriDosyasıBozuk(yol, "hiç glif satırı yok");
    return std::nullopt;
}

void GlifKaynağı::FontBasSatır(QPainter& ressam, int kod, double x, double y, int boyut, Etkileşim& etkileşim) const {
    if (kod == 0) {
        etkileşim.ikazYaz(süreSıfırGeldi);
        return;
    }
    if (kod < ilkKarakter || kod > sonKarakter) return;
    const KarakterKaydı& k = tablo_[kod];
    const QRect kaynak = kod == sabitKod ? sabitKare : QRect(k.sayfaX, k.sayfaY, k.genişlik, k.yükseklik);
    const double ölçek = glifBoyu(boyut) / 30.0;
    ressam.drawImage(QRectF(x, y - 1, kaynak.width() * ölçek, kaynak.height() * ölçek), sayfa_, kaynak);
}

void GlifKaynağı::glifYaz(QPainter& ressam, int kod, QPointF köken, int boyut, bool vektör, Etkileşim& etkileşim,
                          double sapUzatma) const {
    if (kod == 0 || kod < ilkKarakter || kod > sonKarakter) {
        FontBasSatır(ressam, kod, köken.x(), köken.y(), boyut, etkileşim);
        return;
    }
    const KutuTürü tür = çizilenTür(ressam);
    const KutuKapsamı kutu(ressam, tür == KutuTürü::none ? glifKutusu(tablo_[kod].aile) : tür);
    const double ölçek = glifBoyu(boyut) / 30.0;
    if ((vektör || sapUzatma > 0) && parçalar_.contains(kod)) {
        vektörYaz(ressam, kod, köken, ölçek, sapUzatma);
        return;
    }
    const KarakterKaydı& k = tablo_[kod];
    FontBasSatır(ressam, kod, köken.x() - k.kökSütunu * ölçek, köken.y() - k.kökSatırı * ölçek + 1, boyut, etkileşim);
}

const QPainterPath& GlifKaynağı::yol(char32_t harf) const {
    auto it = yollar_.find(harf);
    if (it != yollar_.end()) return it->second;
    const QString metin = QString::fromUcs4(&harf, 1);
    QPainterPath p;
    for (quint32 i : yazıTipi_.glyphIndexesForString(metin)) p.addPath(yazıTipi_.pathForGlyph(i));
    return yollar_.emplace(harf, p).first->second;
}

// The stem runs from the head's anchor to the table's stem tip; a flag hangs
// where the nominal stem ends, as the sheet was drawn.
void GlifKaynağı::vektörYaz(QPainter& ressam, int kod, QPointF köken, double ölçek, double sapUzatma) const {
    const KarakterKaydı& k = tablo_[kod];
    ressam.save();
    ressam.translate(köken);
    ressam.scale(ölçek, ölçek);
    ressam.setPen(Qt::NoPen);
    ressam.setBrush(Qt::black);
    const double kalın = kalınlık_.sap * birimAralık;
    const double yön = k.sapUcuY < 0 ? -1 : 1;
    // A stem up stands on the head's right edge, a stem down hangs from its
    // left edge (the anchors of Bravura's black and half heads).
    const double sapSol = yön < 0 ? başEni - kalın : 0;
    double uçY = 0;
    for (const Parça& p : parçalar_.at(kod)) {
        const KutuKapsamı kutu(ressam, p.harf == 0 ? KutuTürü::stem : p.sapUcunda ? KutuTürü::flag : çizilenTür(ressam));
        if (p.harf == 0) {
            uçY = yön * (p.sapBoyu * birimAralık + sapUzatma);
            ressam.drawRect(
                QRectF(sapSol, yön * başınSapYeri, kalın, k.sapUcuY + yön * (sapUzatma - başınSapYeri)).normalized());
        } else {
            ressam.drawPath(yol(p.harf).translated(p.sapUcunda ? QPointF(sapSol, uçY) : QPointF()));
        }
    }
    ressam.restore();
}

}  // namespace selvika

// glyph_sheet CATALOGUE FONT METADATA OUTDIR
//
// Draws every glyph of the catalogue (data/glyphs.tsv) from the Bravura font
// black on white into one sheet, BigEsel.png, and writes the character table
// BigEschel.dat that tells where each glyph lies and how it is placed (see
// core/glyph_table.h). Run by the build; any fault in the catalogue stops it
// with the line number.
//
// Scale: the line editor has 10 pixels between staff lines at full size, so
// one staff space is 10 pixels and a Bravura em (4 staff spaces) 40 pixels.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/glyph_table.h"

using namespace selvika;

namespace {

constexpr double staffSpace = 10.0;  // pixels, full size
constexpr int sheetWidth = 480;
constexpr int minimumSheetHeight = 480;
constexpr int gap = 1;             // white pixels between two rectangles on the sheet
constexpr int margin = 1;          // white frame inside a rectangle, so the
                                   // half-size (scaled) copy never takes ink
                                   // from a neighbour
constexpr int headWidth = 12;      // `notaBaşı`: the head area articulations centre on
constexpr int accidentalGap = 2;   // between an accidental and the head
constexpr int articulationGap = 8; // from the staff y to the articulation's near edge

struct Fault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(int line, const QString& message) {
    throw Fault(QStringLiteral("data/glyphs.tsv:%1: %2").arg(line).arg(message).toStdString());
}

struct Row {
    int line = 0;
    int code = 0;
    GlyphFamily family = GlyphFamily::none;
    QStringList glyph;
    double scale = 1;
    int boxWidth = 0, boxHeight = 0;  // 0: fit to the ink
    std::optional<QPoint> fixedAt;    // a rectangle start-up expects at this sheet position
    QString place;
};

GlyphFamily familyNamed(const QString& name, int line) {
    static const std::map<QString, GlyphFamily> names = {
        {"note", GlyphFamily::note},       {"rest", GlyphFamily::rest},
        {"accidental", GlyphFamily::accidental}, {"dot", GlyphFamily::dot},
        {"clef", GlyphFamily::clef},       {"barLine", GlyphFamily::barLine},
        {"articulation", GlyphFamily::articulation}, {"sign", GlyphFamily::sign},
        {"digit", GlyphFamily::digit},     {"tie", GlyphFamily::tie},
        {"grace", GlyphFamily::grace},
    };
    auto it = names.find(name);
    if (it == names.end()) fail(line, "unknown family \"" + name + "\"");
    return it->second;
}

std::vector<Row> readCatalogue(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) throw Fault("cannot read " + path.toStdString());
    std::vector<Row> rows;
    std::vector<bool> used(256, false);
    int lineNo = 0;
    while (!file.atEnd()) {
        ++lineNo;
        const QString text = QString::fromUtf8(file.readLine()).trimmed();
        if (text.isEmpty() || text.startsWith('#')) continue;
        const QStringList cols = text.split(QRegularExpression("\t+"));
        if (cols.size() != 8) fail(lineNo, QStringLiteral("8 tab-separated columns expected, %1 found").arg(cols.size()));
        Row row;
        row.line = lineNo;
        bool ok = false;
        row.code = cols[0].toInt(&ok);
        if (!ok || row.code < ilkKarakter || row.code > sonKarakter) fail(lineNo, "code must be 65..230");
        if (used[row.code]) fail(lineNo, QStringLiteral("code %1 given twice").arg(row.code));
        used[row.code] = true;
        const QString shown = row.code < 127 ? QString(QChar(row.code)) : QStringLiteral("-");
        if (cols[1] != shown) fail(lineNo, "character column must be \"" + shown + "\"");
        row.family = familyNamed(cols[2], lineNo);
        row.glyph = cols[3].split(' ', Qt::SkipEmptyParts);
        row.scale = cols[4].toDouble(&ok);
        if (!ok || row.scale <= 0) fail(lineNo, "bad scale");
        if (cols[5] != "-") {
            static const QRegularExpression box(R"(^(\d+|-)x(\d+|-)(?:@(\d+),(\d+))?$)");
            const auto m = box.match(cols[5]);
            if (!m.hasMatch()) fail(lineNo, "box must be WxH, W or H may be -, optionally @X,Y");
            row.boxWidth = m.captured(1) == "-" ? 0 : m.captured(1).toInt();
            row.boxHeight = m.captured(2) == "-" ? 0 : m.captured(2).toInt();
            if (m.hasCaptured(3)) row.fixedAt = QPoint(m.captured(3).toInt(), m.captured(4).toInt());
        }
        row.place = cols[6];
        rows.push_back(row);
    }
    return rows;
}

// Anchors and bounding boxes of the font, in staff spaces, y upwards.
struct Metadata {
    QJsonObject bboxes, anchors;
    double stemThickness = 0.12;

    explicit Metadata(const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) throw Fault("cannot read " + path.toStdString());
        const QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        bboxes = root["glyphBBoxes"].toObject();
        anchors = root["glyphsWithAnchors"].toObject();
        stemThickness = root["engravingDefaults"].toObject()["stemThickness"].toDouble(0.12);
        if (bboxes.isEmpty()) throw Fault(path.toStdString() + " holds no glyph bounding boxes");
    }

    std::optional<QPointF> anchor(const QString& glyph, const QString& name) const {
        const QJsonArray a = anchors[glyph].toObject()[name].toArray();
        if (a.size() != 2) return std::nullopt;
        return QPointF(a[0].toDouble(), a[1].toDouble());
    }
};

// One glyph drawn around its origin at (0, 0), in pixels, y downwards.
struct Drawing {
    QPainterPath path;
    std::optional<QPoint> stemTip;
};

class Composer {
public:
    Composer(const QRawFont& font, const Metadata& metadata) : font_(font), meta_(metadata) {}

    Drawing compose(const Row& row) const {
        const double unit = staffSpace * row.scale;  // pixels per staff space
        QRawFont font = font_;
        font.setPixelSize(4 * unit);
        Drawing d;
        QString lastHead;     // the head the next stem hangs from
        int stemDirection = 0;  // +1 up, -1 down, after a stem token
        double stemLeft = 0, stemRight = 0, stemFrom = 0, stemTip = 0;
        auto flushStem = [&] {
            if (!stemDirection) return;
            const double top = std::min(stemFrom, stemTip), bottom = std::max(stemFrom, stemTip);
            d.path.addRect(QRectF(stemLeft, top, stemRight - stemLeft, bottom - top));
            d.stemTip = QPoint(int(stemLeft), int(std::lround(stemTip)));
            stemDirection = 0;
        };
        for (const QString& token : row.glyph) {
            const int colon = token.indexOf(':');
            if (colon < 0) fail(row.line, "glyph part \"" + token + "\" has no ':'");
            const QString name = token.left(colon), value = token.mid(colon + 1);
            bool ok = false;
            if (name == "stemUp" || name == "stemDown") {
                const double length = value.toDouble(&ok);
                if (!ok || lastHead.isEmpty()) fail(row.line, token + " must follow a note head and give a length");
                stemDirection = name == "stemUp" ? 1 : -1;
                const auto a = meta_.anchor(lastHead, stemDirection > 0 ? "stemUpSE" : "stemDownNW");
                if (!a) fail(row.line, lastHead + " has no stem anchor");
                // Whole pixel columns keep the stem sharp.
                const double t = std::max(1.0, std::round(meta_.stemThickness * unit));
                const double edge = std::round(a->x() * unit);
                stemLeft = stemDirection > 0 ? edge - t : edge;
                stemRight = stemLeft + t;
                stemFrom = -a->y() * unit;
                stemTip = -stemDirection * length * unit;
                lastHead.clear();
                continue;
            }
            if (name == "halfTieUp" || name == "halfTieDown") {
                const double w = value.toDouble(&ok) * unit;
                if (!ok) fail(row.line, token + " needs a length");
                d.path.addPath(halfTie(w, name == "halfTieUp" ? -1 : 1, unit));
                continue;
            }
            if (!value.startsWith("U+")) fail(row.line, "glyph part \"" + token + "\" is not name:U+XXXX");
            const uint codepoint = value.mid(2).toUInt(&ok, 16);
            if (!ok) fail(row.line, "bad code point in " + token);
            QPainterPath glyph = glyphPath(font, name, codepoint, row.line);
            QPointF at(0, 0);
            if (stemDirection) {
                // A flag: its origin at the end of the stem; its anchor says
                // how far the stem reaches into it.
                const auto a = meta_.anchor(name, stemDirection > 0 ? "stemUpNW" : "stemDownSW");
                if (!a) fail(row.line, name + " has no stem anchor; only a flag may follow a stem");
                at = QPointF(stemLeft - a->x() * unit, stemTip);
                stemTip = stemTip - a->y() * unit;
                flushStem();
            } else {
                lastHead = name;
            }
            d.path.addPath(glyph.translated(at));
        }
        flushStem();
        return d;
    }

private:
    QPainterPath glyphPath(const QRawFont& font, const QString& name, uint codepoint, int line) const {
        const QList<quint32> indexes = font.glyphIndexesForString(QString(QChar(char16_t(codepoint))));
        if (codepoint > 0xFFFF || indexes.isEmpty() || indexes[0] == 0)
            fail(line, QStringLiteral("the font has no glyph at U+%1").arg(codepoint, 4, 16, QChar('0')));
        QPainterPath path = font.pathForGlyph(indexes[0]);
        // The name must be the glyph's: its box has to match the font's metadata.
        const QJsonObject box = meta_.bboxes[name].toObject();
        if (box.isEmpty()) fail(line, "\"" + name + "\" is not a glyph name of the font");
        const double unit = font.pixelSize() / 4;
        const QRectF r = path.boundingRect();
        const QJsonArray sw = box["bBoxSW"].toArray(), ne = box["bBoxNE"].toArray();
        const double tolerance = 0.06;
        if (!path.isEmpty() && (std::abs(r.left() / unit - sw[0].toDouble()) > tolerance ||
                                std::abs(r.right() / unit - ne[0].toDouble()) > tolerance ||
                                std::abs(-r.bottom() / unit - sw[1].toDouble()) > tolerance ||
                                std::abs(-r.top() / unit - ne[1].toDouble()) > tolerance))
            fail(line, QStringLiteral("U+%1 is not %2: its box does not match").arg(codepoint, 4, 16).arg(name));
        return path;
    }

    // The left half of a tie: thin where it leaves the note, full thickness
    // where the line ends. `side` -1 curves up, +1 down.
    static QPainterPath halfTie(double w, int side, double unit) {
        const double rise = 0.6 * unit * side, thick = 0.22 * unit * side;
        QPainterPath p;
        p.moveTo(0, 0);
        p.cubicTo(w * 0.25, rise * 0.8, w * 0.6, rise, w, rise);
        p.lineTo(w, rise + thick);
        p.cubicTo(w * 0.6, rise + thick, w * 0.3, rise * 0.7 + thick * 0.5, 0, 0);
        p.closeSubpath();
        return p;
    }

    const QRawFont& font_;
    const Metadata& meta_;
};

// A glyph drawn on its own, with its rectangle worked out.
struct Piece {
    const Row* row = nullptr;
    QImage image;          // exactly the rectangle
    int originX = 0, originY = 0;  // within the rectangle
    std::optional<QPoint> stemTip;
    int inkLeft = 0, inkRight = 0;  // ink columns relative to the origin (inclusive)
    QRect onSheet;
};

Piece draw(const Row& row, const Drawing& drawing) {
    constexpr int size = 320, ox = 100, oy = 160;
    QImage canvas(size, size, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        // The origin row's middle: a staff line drawn on row y is centred on y + 0.5.
        p.translate(ox, oy + 0.5);
        p.fillPath(drawing.path, Qt::black);
    }
    int left = size, right = -1, top = size, bottom = -1;
    for (int y = 0; y < size; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < size; ++x)
            if (qGray(line[x]) < 255) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    }
    if (right < 0) fail(row.line, "the glyph draws nothing");
    if (left == 0 || top == 0 || right == size - 1 || bottom == size - 1) fail(row.line, "the glyph is too large");
    Piece piece;
    piece.row = &row;
    piece.inkLeft = left - ox;
    piece.inkRight = right - ox;
    // The origin is always inside the rectangle: its offsets are unsigned.
    left = std::min(left, ox), right = std::max(right, ox);
    top = std::min(top, oy), bottom = std::max(bottom, oy);
    const int inkW = right - left + 1, inkH = bottom - top + 1;
    auto frame = [&](int forced, int ink, const char* what) {
        if (!forced) return std::pair{margin, ink + 2 * margin};
        if (forced < ink)
            fail(row.line, QStringLiteral("the glyph is %1 pixels in %2, more than its box of %3").arg(ink).arg(what).arg(forced));
        return std::pair{(forced - ink + 1) / 2, forced};
    };
    const auto [padX, w] = frame(row.boxWidth, inkW, "width");
    const auto [padY, h] = frame(row.boxHeight, inkH, "height");
    const QRect rect(left - padX, top - padY, w, h);
    piece.image = canvas.copy(rect);
    piece.originX = ox - rect.left();
    piece.originY = oy - rect.top();
    piece.stemTip = drawing.stemTip;
    return piece;
}

// Shelf by shelf, left to right, around the rectangles whose place is fixed.
int pack(std::vector<Piece>& pieces) {
    std::vector<QRect> taken;
    for (Piece& p : pieces)
        if (p.row->fixedAt) {
            p.onSheet = QRect(*p.row->fixedAt, p.image.size());
            for (const QRect& t : taken)
                if (t.intersects(p.onSheet)) fail(p.row->line, "its fixed place overlaps another fixed glyph");
            taken.push_back(p.onSheet);
        }
    int x = 0, shelf = 0, shelfHeight = 0;
    for (Piece& p : pieces) {
        if (p.row->fixedAt) continue;
        const QSize size = p.image.size();
        for (;;) {
            if (x + size.width() > sheetWidth) {
                x = 0;
                shelf += shelfHeight + gap;
                shelfHeight = 0;
            }
            // Keep one white pixel from every rectangle already there.
            const QRect want(QPoint(x, shelf), size);
            const QRect withGap = want.adjusted(-gap, -gap, gap, gap);
            auto hit = std::find_if(taken.begin(), taken.end(), [&](const QRect& t) { return t.intersects(withGap); });
            if (hit == taken.end()) {
                p.onSheet = want;
                taken.push_back(want);
                x += size.width() + gap;
                shelfHeight = std::max(shelfHeight, size.height());
                break;
            }
            x = hit->right() + 1 + gap;
        }
    }
    int height = minimumSheetHeight;
    for (const QRect& t : taken) height = std::max(height, t.bottom() + 1);
    return height;
}

Integer placeOffset(const QString& text, int line) {
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok) fail(line, "bad number \"" + text + "\"");
    return Integer(v);
}

KarakterKaydı record(const Piece& p) {
    const Row& row = *p.row;
    auto byte = [&](int v, const char* what) {
        if (v < 0 || v > 255) fail(row.line, QStringLiteral("%1 %2 does not fit a Byte").arg(what).arg(v));
        return Byte(v);
    };
    KarakterKaydı k;
    k.kökSatırı = byte(p.originY, "origin row");
    k.kökSütunu = byte(p.originX, "origin column");
    k.genişlik = byte(p.onSheet.width(), "width");
    k.yükseklik = byte(p.onSheet.height(), "height");
    k.aile = Byte(row.family);
    if (p.stemTip) {
        k.sapUcuX = Integer(p.stemTip->x());
        k.sapUcuY = Integer(p.stemTip->y());
    }
    k.sayfaX = Integer(p.onSheet.x());
    k.sayfaY = Integer(p.onSheet.y());
    const QString& place = row.place;
    const int inkCentre = (p.inkLeft + p.inkRight + 1) / 2;
    if (place == "note" || place == "free") {
    } else if (place.startsWith("staff:")) {
        const int position = placeOffset(place.mid(6), row.line);
        if (position < 1 || position > 29) fail(row.line, "staff position must be 1..29");
        k.sabitKonum = Byte(position);
    } else if (place == "before") {
        k.kaymaX = Integer(-(p.inkRight + 1) - accidentalGap);
    } else if (place == "above" || place == "below") {
        k.kaymaX = Integer(headWidth / 2 - inkCentre);
        k.kaymaY = Integer(place == "above" ? -articulationGap : articulationGap);
    } else if (place.startsWith("at:")) {
        const QStringList xy = place.mid(3).split(',');
        if (xy.size() != 2) fail(row.line, "at: needs x,y");
        k.kaymaX = placeOffset(xy[0], row.line);
        k.kaymaY = placeOffset(xy[1], row.line);
    } else {
        fail(row.line, "unknown place \"" + place + "\"");
    }
    return k;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 5) {
        std::fprintf(stderr, "usage: glyph_sheet CATALOGUE FONT METADATA OUTDIR\n");
        return 2;
    }
    try {
        const std::vector<Row> rows = readCatalogue(QString::fromLocal8Bit(argv[1]));
        QRawFont font(QString::fromLocal8Bit(argv[2]), 4 * staffSpace);
        if (!font.isValid()) throw Fault(std::string("cannot load the font ") + argv[2]);
        const Metadata metadata(QString::fromLocal8Bit(argv[3]));
        const Composer composer(font, metadata);

        std::vector<Piece> pieces;
        for (const Row& row : rows) pieces.push_back(draw(row, composer.compose(row)));
        const int height = pack(pieces);

        QImage sheet(sheetWidth, height, QImage::Format_Grayscale8);
        sheet.fill(Qt::white);
        KarakterTablosu table;
        {
            QPainter p(&sheet);
            for (const Piece& piece : pieces) {
                p.drawImage(piece.onSheet.topLeft(), piece.image);
                table[piece.row->code] = record(piece);
            }
        }

        // Start-up overwrites these entries; the sheet has to agree with it.
        KarakterTablosu corrected = table;
        karakterDüzeltmeleri(corrected);
        for (int c = ilkKarakter; c <= sonKarakter; ++c)
            if (!(corrected[c] == table[c]))
                throw Fault("code " + std::to_string(c) + " disagrees with the start-up corrections; see its catalogue row");
        // Code 229 is always copied as 12 x 12 from (15, 418).
        const KarakterKaydı& k229 = table[229];
        if (k229.sayfaX != 15 || k229.sayfaY != 418 || k229.genişlik != 12 || k229.yükseklik != 12)
            throw Fault("code 229 must be a 12 x 12 glyph at sheet position (15, 418)");

        const std::filesystem::path out(argv[4]);
        const QString png = QString::fromStdString((out / karakterSayfası).string());
        if (!sheet.save(png, "PNG")) throw Fault("cannot write " + png.toStdString());
        karakterTablosunuYaz(out / karakterDosyası, table);
        std::printf("glyph_sheet: %zu glyphs on a %d x %d sheet\n", pieces.size(), sheetWidth, height);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "glyph_sheet: %s\n", e.what());
        return 1;
    }
    return 0;
}

#include "app/dialog_mapping.h"

#include <QStringList>
#include <array>

#include "app/qt_paths.h"

namespace selvika {
namespace {

struct DüğmeSetiQt {
    Düğmeler düğmeler;
    QMessageBox::StandardButtons qt;
    Cevap kaçış;
};

constexpr std::array düğmeSetleri = {
    DüğmeSetiQt{Düğmeler::tamam, QMessageBox::Ok, Cevap::tamam},
    DüğmeSetiQt{Düğmeler::tamamVazgeç, QMessageBox::Ok | QMessageBox::Cancel, Cevap::vazgeç},
    DüğmeSetiQt{Düğmeler::evetHayır, QMessageBox::Yes | QMessageBox::No, Cevap::hayır},
    DüğmeSetiQt{Düğmeler::evetHayırVazgeç, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, Cevap::vazgeç},
    DüğmeSetiQt{Düğmeler::durdurYenidenDeneYoksay, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore,
                Cevap::durdur},
};

const DüğmeSetiQt& set(Düğmeler düğmeler) {
    for (const auto& s : düğmeSetleri)
        if (s.düğmeler == düğmeler) return s;
    return düğmeSetleri.front();
}

struct CevapQt {
    QMessageBox::StandardButton qt;
    Cevap cevap;
};

constexpr std::array cevaplar = {
    CevapQt{QMessageBox::Ok, Cevap::tamam},         CevapQt{QMessageBox::Cancel, Cevap::vazgeç},
    CevapQt{QMessageBox::Yes, Cevap::evet},         CevapQt{QMessageBox::No, Cevap::hayır},
    CevapQt{QMessageBox::Abort, Cevap::durdur},     CevapQt{QMessageBox::Retry, Cevap::yenidenDene},
    CevapQt{QMessageBox::Ignore, Cevap::yoksay},
};

}  // namespace

QString süzgeçQt(std::string_view süzgeç) {
    const QStringList parçalar = qtMetin(süzgeç).split(u'|');
    QStringList süzgeçler;
    for (qsizetype i = 0; i + 1 < parçalar.size(); i += 2) {
        if (parçalar[i].isEmpty() && parçalar[i + 1].isEmpty()) continue;
        QString desenler = parçalar[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        süzgeçler << parçalar[i] + " (" + desenler + ")";
    }
    return süzgeçler.join(";;");
}

QMessageBox::StandardButtons düğmelerQt(Düğmeler düğmeler) { return set(düğmeler).qt; }

Cevap cevapQt(Düğmeler düğmeler, QMessageBox::StandardButton basılan) {
    const DüğmeSetiQt& s = set(düğmeler);
    if (s.qt.testFlag(basılan))
        for (const auto& c : cevaplar)
            if (c.qt == basılan) return c.cevap;
    return s.kaçış;
}

}  // namespace selvika

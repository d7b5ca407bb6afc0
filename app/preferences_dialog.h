#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "core/score_session.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;

namespace selvika {

struct SeçenekGrubu;

// The preferences dialog. Every click changes the score header at once and
// marks the score changed; the two buttons only decide whether the values
// also become those of every new score (Tercih.dat).
class konfig : public QDialog {
public:
    konfig(EserOturumu& oturum, QWidget* üst);

    // The controls show what the score header holds.
    void başlıktanAyarla();

    // After every click, once the header holds the new value: what shows
    // the score shows it anew.
    std::function<void()> uygulandı;

private:
    void grupKur(const SeçenekGrubu& grup, QGridLayout& ızgara);
    void onayKutularınıKur(QLayout& düzen);
    void düğmeleriKur(QLayout& düzen);
    void değişti();

    EserOturumu& oturum_;
    std::vector<std::pair<QButtonGroup*, const SeçenekGrubu*>> gruplar_;
    std::vector<QCheckBox*> onayKutuları_;
};

}  // namespace selvika

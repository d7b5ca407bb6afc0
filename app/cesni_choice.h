#pragma once

#include <QFrame>
#include <functional>

#include "audio/cesni.h"
#include "core/passage.h"

class QComboBox;

namespace selvika {

// A passage's çeşni, opened at the mouse: the cins from the library and the çeşni perde it
// starts on (" Çeşni yok " for none); OK hands them over, cancel only closes. The names
// are read from the library at every opening: the cins editor may have renamed some.
class ÇeşniSeçimi : public QFrame {
public:
    ÇeşniSeçimi(const CinsKütüphanesi& cinsler, QWidget* üst);

    void aç(const PasajDeğeri& değer, QPoint nerede);

    std::function<void(Byte cins, Byte perde)> tamam;

private:
    const CinsKütüphanesi& cinsler_;
    QComboBox* cins_;
    QComboBox* perde_;
};

}  // namespace selvika

#include "audio/midi_output.h"

#include "audio/midi_tables.h"

namespace selvika {
namespace {

int durum(Long mesaj) { return mesaj & 0xFF; }
int veri1(Long mesaj) { return (mesaj >> 8) & 0xFF; }
int veri2(Long mesaj) { return (mesaj >> 16) & 0xFF; }

}  // namespace

std::optional<long> MidiYürütücü::ilerle(long şimdi) {
    for (; sıradaki_ < olaylar_.size() && olaylar_[sıradaki_].zaman <= şimdi; ++sıradaki_) {
        const Long m = olaylar_[sıradaki_].mesaj;
        port_.gönder(m);
        if ((durum(m) & 0xF0) == 0x90) çalanNota_ = veri2(m) ? std::optional(m) : std::nullopt;
        if ((durum(m) & 0xF0) == 0xE0) bükülü_ = m != perdeBük(durum(m) & 0x0F, bükmeYok);
    }
    if (bitti()) return std::nullopt;
    return olaylar_[sıradaki_].zaman - şimdi;
}

void MidiYürütücü::durdur() {
    if (çalanNota_) port_.gönder(notaKapat(durum(*çalanNota_) & 0x0F, veri1(*çalanNota_)));
    if (bükülü_) port_.gönder(perdeBük(0, bükmeYok));
    çalanNota_.reset();
    bükülü_ = false;
    sıradaki_ = olaylar_.size();
}

}  // namespace selvika

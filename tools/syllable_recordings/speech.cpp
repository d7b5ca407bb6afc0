#include "tools/syllable_recordings/speech.h"

#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>
#include <samplerate.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "audio/sample_rate.h"

namespace selvika {
namespace {

constexpr int olağanAralık = 50;  // the voice's own pitch range; 0 is a monotone

int topla(short* dalga, int sayı, espeak_EVENT* olay) {
    if (dalga) {
        auto* ses = static_cast<Ses*>(olay->user_data);
        std::transform(dalga, dalga + sayı, std::back_inserter(*ses), [](short v) { return v / 32768.0F; });
    }
    return 0;
}

Ses örneklemeyiÇevir(const Ses& ses, int hız) {
    const double oran = double(örneklemeHızı) / hız;
    Ses çıktı(static_cast<std::size_t>(std::ceil(double(ses.size()) * oran)));
    SRC_DATA veri{};
    veri.data_in = ses.data();
    veri.input_frames = static_cast<long>(ses.size());
    veri.data_out = çıktı.data();
    veri.output_frames = static_cast<long>(çıktı.size());
    veri.src_ratio = oran;
    if (const int hata = src_simple(&veri, SRC_SINC_BEST_QUALITY, 1))
        throw std::runtime_error(std::string("libsamplerate: ") + src_strerror(hata));
    çıktı.resize(static_cast<std::size_t>(veri.output_frames_gen));
    return çıktı;
}

// The sound from its first to its last sample above a fiftieth of its peak.
Ses kırp(const Ses& ses) {
    float tepe = 0;
    for (float v : ses) tepe = std::max(tepe, std::abs(v));
    auto duyulur = [eşik = tepe / 50](float v) { return std::abs(v) > eşik; };
    const auto baş = std::find_if(ses.begin(), ses.end(), duyulur);
    const auto son = std::find_if(ses.rbegin(), ses.rend(), duyulur).base();
    return baş < son ? Ses(baş, son) : Ses{};
}

}  // namespace

TürkçeSes::TürkçeSes(std::filesystem::path şarkıSesi)
    : şarkıSesi_(std::move(şarkıSesi)), hız_(espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0)) {
    if (hız_ <= 0) throw std::runtime_error("espeak-ng cannot be started");
    espeak_SetSynthCallback(topla);
}

TürkçeSes::~TürkçeSes() { espeak_Terminate(); }

Ses TürkçeSes::söyle(std::string_view metin, bool tekdüze) {
    if ((tekdüze ? espeak_ng_SetVoiceByFile(şarkıSesi_.c_str()) : espeak_ng_SetVoiceByName("tr")) != ENS_OK)
        throw std::runtime_error(tekdüze ? şarkıSesi_.string() + ": not an espeak-ng voice"
                                         : "espeak-ng has no Turkish voice");
    espeak_SetParameter(espeakRANGE, tekdüze ? 0 : olağanAralık, 0);
    espeak_SetParameter(espeakRATE, tekdüze ? espeakRATE_MINIMUM : espeakRATE_NORMAL, 0);
    const std::string yazı(metin);
    Ses ses;
    if (espeak_Synth(yazı.c_str(), yazı.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &ses) != EE_OK ||
        espeak_Synchronize() != EE_OK)
        throw std::runtime_error("espeak-ng cannot speak \"" + yazı + "\"");
    return kırp(örneklemeyiÇevir(ses, hız_));
}

}  // namespace selvika

#include "audio/mp3_export.h"

#include <fstream>
#include <lame/lame.h>
#include <memory>
#include <sndfile.h>

namespace selvika {
namespace {

constexpr int blokKaresi = 44100;  // one second a block

struct WavKapat {
    void operator()(SNDFILE* f) const { sf_close(f); }
};
using WavDosyası = std::unique_ptr<SNDFILE, WavKapat>;

struct LameKapat {
    void operator()(lame_global_flags* l) const { lame_close(l); }
};
using Kodlayıcı = std::unique_ptr<lame_global_flags, LameKapat>;

Kodlayıcı kodlayıcı(const SF_INFO& bilgi, int bitHızı) {
    Kodlayıcı l(lame_init());
    if (!l) return nullptr;
    lame_set_num_channels(l.get(), bilgi.channels);
    lame_set_in_samplerate(l.get(), bilgi.samplerate);
    lame_set_mode(l.get(), bilgi.channels == 1 ? MONO : JOINT_STEREO);
    lame_set_VBR(l.get(), vbr_off);
    lame_set_brate(l.get(), bitHızı);
    if (lame_init_params(l.get()) < 0) return nullptr;
    return l;
}

bool pcmBiçimi(const SF_INFO& bilgi) {
    const int alt = bilgi.format & SF_FORMAT_SUBMASK;
    return (bilgi.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_WAV &&
           (alt == SF_FORMAT_PCM_U8 || alt == SF_FORMAT_PCM_16 || alt == SF_FORMAT_PCM_24 || alt == SF_FORMAT_PCM_32);
}

// Encodes the whole file; false at the first block that fails to encode or
// to be written, or when stopped.
bool kodla(SNDFILE* wav, const SF_INFO& bilgi, lame_global_flags* l, std::ofstream& mp3,
           const std::function<void(int)>& ilerleme, DurdurmaBayrağı& durdurma) {
    std::vector<short> pcm(static_cast<std::size_t>(blokKaresi * bilgi.channels));
    std::vector<unsigned char> çıktı(static_cast<std::size_t>(blokKaresi * 5 / 4 + 7200));
    sf_count_t okunan = 0;
    while (sf_count_t n = sf_readf_short(wav, pcm.data(), blokKaresi)) {
        if (durdurma.kalktı()) return false;
        const int k = bilgi.channels == 1
                          ? lame_encode_buffer(l, pcm.data(), pcm.data(), static_cast<int>(n), çıktı.data(),
                                               static_cast<int>(çıktı.size()))
                          : lame_encode_buffer_interleaved(l, pcm.data(), static_cast<int>(n), çıktı.data(),
                                                           static_cast<int>(çıktı.size()));
        if (k < 0 || !mp3.write(reinterpret_cast<const char*>(çıktı.data()), k)) return false;
        okunan += n;
        ilerleme(static_cast<int>(okunan * 100 / std::max<sf_count_t>(1, bilgi.frames)));
    }
    const int k = lame_encode_flush(l, çıktı.data(), static_cast<int>(çıktı.size()));
    if (k < 0 || !mp3.write(reinterpret_cast<const char*>(çıktı.data()), k)) return false;
    // The tag over the first frame tells decoders the encoder's delay and
    // padding, so the MP3 plays exactly as long as the WAV.
    const std::size_t etiket = lame_get_lametag_frame(l, çıktı.data(), çıktı.size());
    return mp3.seekp(0) && mp3.write(reinterpret_cast<const char*>(çıktı.data()), static_cast<std::streamsize>(etiket));
}

}  // namespace

std::vector<int> mp3BitHızları() {
    std::vector<int> hızlar;
    for (int i = 1; i < 16; ++i)
        if (int h = lame_get_bitrate(1, i); h > 0) hızlar.push_back(h);
    return hızlar;
}

bool pcmWavMı(const std::filesystem::path& kaynak, Etkileşim& etkileşim) {
    SF_INFO bilgi{};
    WavDosyası wav(sf_open(kaynak.c_str(), SFM_READ, &bilgi));
    if (!wav) {
        etkileşim.mesaj(kaynakOkunamadı);
        return false;
    }
    if (!pcmBiçimi(bilgi)) etkileşim.mesaj(pcmDeğil);
    return pcmBiçimi(bilgi);
}

bool mp3Yaz(const std::filesystem::path& kaynak, const std::filesystem::path& hedef, int bitHızı,
            Etkileşim& etkileşim, const std::function<void(int)>& ilerleme, DurdurmaBayrağı& durdurma) {
    durdurma.indir();
    if (!pcmWavMı(kaynak, etkileşim)) return false;
    SF_INFO bilgi{};
    WavDosyası wav(sf_open(kaynak.c_str(), SFM_READ, &bilgi));
    Kodlayıcı l = wav ? kodlayıcı(bilgi, bitHızı) : nullptr;
    if (!l) {
        etkileşim.mesaj(akışKurulamadı);
        return false;
    }
    std::ofstream mp3(hedef, std::ios::binary | std::ios::trunc);
    if (!mp3) {
        etkileşim.mesaj(akışBaşlığıKurulamadı);
        return false;
    }
    if (kodla(wav.get(), bilgi, l.get(), mp3, ilerleme, durdurma)) return true;
    if (!durdurma.kalktı()) etkileşim.mesaj(dönüştürmeHatası);
    return false;
}

}  // namespace selvika

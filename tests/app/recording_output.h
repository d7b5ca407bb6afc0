#pragma once

#include <filesystem>
#include <vector>

#include "audio/playback.h"

namespace selvika::test {

// An output that only remembers what it was asked to play, at a position
// the test sets; without a device when the test says so.
struct KayıtlıÇıkış : SesÇıkışı {
    std::vector<std::filesystem::path> açılan;
    int kapatılan = 0;
    long konumMs = 0;
    bool aygıt = true;
    bool aygıtVar() const override { return aygıt; }
    bool aç(const std::filesystem::path& d) override {
        açılan.push_back(d);
        return true;
    }
    void çal(long) override {}
    long konum() const override { return konumMs; }
    void duraklat() override {}
    void sürdür() override {}
    void kapat() override { ++kapatılan; }
};

}  // namespace selvika::test

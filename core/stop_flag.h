#pragma once

#include <atomic>

namespace selvika {

// The stop flag that long operations poll: Esc sets it anywhere in the
// program. An operation clears it when it starts, so that an Esc pressed
// before cannot stop it, and ends early once it finds it set.
class DurdurmaBayrağı {
public:
    void kaldır() { durdur_ = true; }
    void indir() { durdur_ = false; }
    bool kalktı() const { return durdur_; }

private:
    std::atomic<bool> durdur_ = false;
};

inline DurdurmaBayrağı& durdurmaBayrağı() {
    static DurdurmaBayrağı bayrak;
    return bayrak;
}

}  // namespace selvika

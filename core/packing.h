#pragma once

// One packing rule for every binary file of the program: members in
// declaration order, little-endian, no gaps; Byte 1, Integer and Boolean 2,
// Long and Single 4 bytes; Text*N as N bytes; fixed arrays element after
// element without a count.
//
// A record takes part by listing its members in file order:
//     static constexpr void fields(auto& r, auto&& f) { f(r.a, r.b, r.c); }
// `r` is the record, const or not, so one list serves reading and writing.

#include <algorithm>
#include <bit>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <type_traits>
#include <vector>

namespace selvika {

template <class T>
concept PackedRecord = requires(T& r) { T::fields(r, [](auto&...) {}); };

template <class T>
concept PackedRange = requires(T& r) {
    r.begin();
    r.end();
};

// Calls `leaf(value)` for every arithmetic member of `r`, in file order.
template <class T, class Leaf>
constexpr void forEachLeaf(T& r, Leaf& leaf) {
    if constexpr (std::is_arithmetic_v<std::remove_const_t<T>>) {
        leaf(r);
    } else if constexpr (PackedRecord<std::remove_const_t<T>>) {
        std::remove_const_t<T>::fields(r, [&](auto&... member) { (forEachLeaf(member, leaf), ...); });
    } else {
        static_assert(PackedRange<T>, "a packed member is a number, a record or a fixed array");
        for (auto& item : r) forEachLeaf(item, leaf);
    }
}

// The unsigned word a leaf's bytes are assembled in.
template <class V>
using LeafBits = std::conditional_t<sizeof(V) == 1, std::uint8_t,
                 std::conditional_t<sizeof(V) == 2, std::uint16_t, std::uint32_t>>;

template <class T>
constexpr std::size_t packedSize() {
    T record{};
    std::size_t size = 0;
    auto count = [&](const auto& value) { size += sizeof value; };
    forEachLeaf(record, count);
    return size;
}

template <class T>
inline constexpr std::size_t packedSizeOf = packedSize<T>();

class PackWriter {
public:
    template <class T>
    void write(const T& record) {
        auto put = [this](const auto& value) { putLeaf(value); };
        forEachLeaf(record, put);
    }
    void writeBytes(std::span<const std::uint8_t> bytes) { out_.insert(out_.end(), bytes.begin(), bytes.end()); }

    const std::vector<std::uint8_t>& bytes() const { return out_; }
    std::vector<std::uint8_t> take() { return std::move(out_); }

private:
    template <class V>
    void putLeaf(V value) {
        using Bits = LeafBits<V>;
        auto bits = std::bit_cast<Bits>(value);
        for (std::size_t i = 0; i < sizeof(V); ++i) out_.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
    }

    std::vector<std::uint8_t> out_;
};

// Reads records from a byte span and never past its end: a record that the
// remaining bytes cannot hold whole stays as it was, and the reader stops at
// the end, so every later read fails too.
class PackReader {
public:
    explicit PackReader(std::span<const std::uint8_t> data, std::size_t offset = 0)
        : data_(data), at_(offset < data.size() ? offset : data.size()) {}

    template <class T>
    bool read(T& record) {
        if (remaining() < packedSizeOf<T>) {
            at_ = data_.size();
            return false;
        }
        auto get = [this](auto& value) { getLeaf(value); };
        forEachLeaf(record, get);
        return true;
    }

    // Up to `count` records, as many as the bytes hold.
    template <class T>
    std::vector<T> readRecords(std::size_t count) {
        std::vector<T> records;
        T record{};
        while (records.size() < count && read(record)) records.push_back(record);
        return records;
    }

    std::span<const std::uint8_t> readBytes(std::size_t count) {
        auto taken = data_.subspan(at_, std::min(count, remaining()));
        at_ += taken.size();
        return taken;
    }

    std::size_t offset() const { return at_; }
    std::size_t remaining() const { return data_.size() - at_; }

private:
    template <class V>
    void getLeaf(V& value) {
        using Bits = LeafBits<V>;
        Bits bits = 0;
        for (std::size_t i = 0; i < sizeof(V); ++i) bits |= static_cast<Bits>(Bits{data_[at_ + i]} << (8 * i));
        at_ += sizeof(V);
        value = std::bit_cast<V>(bits);
    }

    std::span<const std::uint8_t> data_;
    std::size_t at_;
};

template <class T>
std::vector<std::uint8_t> pack(const T& record) {
    PackWriter writer;
    writer.write(record);
    return writer.take();
}

}  // namespace selvika

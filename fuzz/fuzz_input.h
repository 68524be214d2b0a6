#pragma once
// Reads a fuzzer's bytes as the fields of one test: each take consumes bytes from the front, and an
// input that runs out answers zeros, so that every input, however short, is a whole test.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "platform/hardware.h"

namespace orvane::fuzz {

// A broken promise of the code under test: the fuzzer records the input as a crash.
[[noreturn]] inline void Fail(const char* what) {
    std::fprintf(stderr, "broken rule: %s\n", what);
    std::abort();
}

class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : bytes_(data, size) {}

    bool Empty() const { return bytes_.empty(); }
    std::size_t Remaining() const { return bytes_.size(); }

    std::uint8_t Byte() {
        if (bytes_.empty()) return 0;
        const std::uint8_t value = bytes_.front();
        bytes_ = bytes_.subspan(1);
        return value;
    }
    bool Bool() { return (Byte() & 1) != 0; }
    std::uint16_t U16() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint32_t U32() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value |= static_cast<std::uint32_t>(Byte()) << (8 * i);
        return value;
    }
    // Up to count bytes (fewer when the input ends).
    std::vector<std::uint8_t> Bytes(std::size_t count) {
        count = std::min(count, bytes_.size());
        std::vector<std::uint8_t> taken(bytes_.begin(), bytes_.begin() + static_cast<std::ptrdiff_t>(count));
        bytes_ = bytes_.subspan(count);
        return taken;
    }
    // A length byte, then that many bytes.
    std::vector<std::uint8_t> SizedBytes() { return Bytes(Byte()); }
    // A length word, then that many bytes: for replies longer than 255 bytes.
    std::vector<std::uint8_t> LongBytes() { return Bytes(U16()); }
    std::string Text() {
        const std::vector<std::uint8_t> raw = SizedBytes();
        return std::string(raw.begin(), raw.end());
    }
    std::vector<std::uint8_t> Rest() { return Bytes(bytes_.size()); }
    std::string RestText() {
        const std::vector<std::uint8_t> raw = Rest();
        return std::string(raw.begin(), raw.end());
    }
    platform::CpuidRegisters Registers() {
        platform::CpuidRegisters r;
        r.eax = U32();
        r.ebx = U32();
        r.ecx = U32();
        r.edx = U32();
        return r;
    }

private:
    std::span<const std::uint8_t> bytes_;
};

}  // namespace orvane::fuzz

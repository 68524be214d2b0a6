// Raw registry reads: a value of any type number and any bytes (empty, odd lengths, no terminating
// NUL, embedded NULs, high bytes) read as text, raw bytes of some capacity and a 32-bit number, each
// giving its text, its bytes or the designed RegistryError, never anything else.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/fuzz_input.h"
#include "platform/testing/test_machine.h"
#include "probes/registry_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace orvane;
    fuzz::FuzzInput in(data, size);
    testing::TestMachine machine;
    const std::string path = "SOFTWARE\\Orvane\\Fuzz";
    const std::string name = in.Text();
    const std::uint8_t typeByte = in.Byte();
    // Mostly the types the readers meet, sometimes any number at all.
    const std::uint32_t type = typeByte < 0xF0 ? typeByte % 12u : in.U32();
    const std::size_t capacity = in.U16();
    platform::RegValue value;
    value.type = type;
    value.data = in.Rest();
    machine.SetValue(platform::Hive::LocalMachine, path, name, value);

    RegKey key = RegKey::Open(machine, "\\" + path + "\\");
    if (!key.IsOpen() || !key.HasValue(name) || key.ValueType(name) != type) fuzz::Fail("the planted value reads back");
    const bool text = type == platform::kRegSz || type == platform::kRegExpandSz;
    try {
        const std::string read = key.ReadText(name);
        // The text stops at the first NUL and is what the value holds up to there.
        if (!text || read.find('\0') != std::string::npos || read.size() > value.data.size() ||
            !std::equal(read.begin(), read.end(), value.data.begin(),
                        [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; })) {
            fuzz::Fail("a text is the value up to its first NUL");
        }
    } catch (const RegistryError&) {
        if (text) fuzz::Fail("a text value reads as text");
    }
    try {
        if (key.ReadRaw(name, capacity) != value.data) fuzz::Fail("raw bytes are the value's bytes");
    } catch (const RegistryError&) {
    }
    try {
        (void)key.ReadInteger(name);
        if (type != platform::kRegDword || value.data.size() < 4) fuzz::Fail("only a 4-byte DWORD reads as a number");
    } catch (const RegistryError&) {
    }
    (void)key.ValueNames();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/constellation_record.h"

#include "data/byte_order.h"
#include "data/text_field.h"

namespace mirelta {
namespace {

constexpr std::size_t kIOffset = 57;
constexpr std::size_t kQOffset = 1057;

std::size_t SampleOffset(std::size_t base, int k) {
    return base + static_cast<std::size_t>(k);
}

}  // namespace

std::string ConstellationRecord::listLabel() const {
    return ReadTextField(bytes, 0, 28);
}
std::uint32_t ConstellationRecord::frequency() const {
    return ReadU32Le(bytes, 28);
}
std::uint32_t ConstellationRecord::symbolRate() const {
    return ReadU32Le(bytes, 32);
}
std::uint8_t ConstellationRecord::polarisation() const {
    return ReadU8(bytes, 36);
}
std::uint8_t ConstellationRecord::system() const {
    return ReadU8(bytes, 37);
}
std::uint8_t ConstellationRecord::modcod() const {
    return ReadU8(bytes, 38);
}
std::uint8_t ConstellationRecord::codeRate() const {
    return ReadU8(bytes, 39);
}
std::uint32_t ConstellationRecord::cn() const {
    return ReadU32Le(bytes, 40);
}
std::uint32_t ConstellationRecord::berMantissa() const {
    return ReadU32Le(bytes, 44);
}
std::uint8_t ConstellationRecord::berExponent() const {
    return ReadU8(bytes, 48);
}
std::uint32_t ConstellationRecord::mer() const {
    return ReadU32Le(bytes, 52);
}

std::int8_t ConstellationRecord::sampleI(int k) const {
    return ReadS8(bytes, SampleOffset(kIOffset, k));
}

std::int8_t ConstellationRecord::sampleQ(int k) const {
    return ReadS8(bytes, SampleOffset(kQOffset, k));
}

void ConstellationRecord::setSampleI(int k, std::int8_t value) {
    WriteS8(bytes, SampleOffset(kIOffset, k), value);
}

void ConstellationRecord::setSampleQ(int k, std::int8_t value) {
    WriteS8(bytes, SampleOffset(kQOffset, k), value);
}

std::uint16_t ConstellationRecord::quality() const {
    return ReadU16Le(bytes, 2058);
}
std::uint16_t ConstellationRecord::strength() const {
    return ReadU16Le(bytes, 2060);
}

}  // namespace mirelta

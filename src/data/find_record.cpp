// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/find_record.h"

#include "data/byte_order.h"
#include "data/text_field.h"

namespace mirelta {

std::string FindRecord::listLabel() const {
    return ReadTextField(bytes, 0, 25);
}
std::string FindRecord::satelliteName() const {
    return ReadTextField(bytes, 25, 33);
}
std::uint8_t FindRecord::lnbType() const {
    return ReadU8(bytes, 58);
}
std::uint16_t FindRecord::loLow() const {
    return ReadU16Le(bytes, 60);
}
std::uint16_t FindRecord::loHigh() const {
    return ReadU16Le(bytes, 62);
}
std::uint32_t FindRecord::frequency() const {
    return ReadU32Le(bytes, 64);
}
std::uint32_t FindRecord::symbolRate() const {
    return ReadU32Le(bytes, 68);
}
std::uint8_t FindRecord::polarisation() const {
    return ReadU8(bytes, 72);
}
std::uint8_t FindRecord::quality() const {
    return ReadU8(bytes, 73);
}
std::uint8_t FindRecord::strength() const {
    return ReadU8(bytes, 74);
}
std::uint16_t FindRecord::powerLevel() const {
    return ReadU16Le(bytes, 76);
}
std::uint32_t FindRecord::cn() const {
    return ReadU32Le(bytes, 80);
}
std::uint32_t FindRecord::berMantissa() const {
    return ReadU32Le(bytes, 84);
}
std::uint8_t FindRecord::berExponent() const {
    return ReadU8(bytes, 88);
}
std::uint8_t FindRecord::system() const {
    return ReadU8(bytes, 89);
}
std::uint8_t FindRecord::modcod() const {
    return ReadU8(bytes, 90);
}
std::uint8_t FindRecord::codeRate() const {
    return ReadU8(bytes, 91);
}
std::uint8_t FindRecord::lockFlag() const {
    return ReadU8(bytes, 92);
}

}  // namespace mirelta

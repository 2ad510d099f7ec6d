#pragma once
// The shape of the generated CP949 table: one Unicode code unit for every
// two-byte code from lead 0x81..0xFE and trail 0x41..0xFE, 0 where iconv
// knows no character. Single bytes below 0x80 are ASCII.

#include <cstdint>

namespace moyo::web {

inline constexpr int kCp949FirstLead = 0x81;
inline constexpr int kCp949LastLead = 0xFE;
inline constexpr int kCp949FirstTrail = 0x41;
inline constexpr int kCp949LastTrail = 0xFE;
inline constexpr int kCp949LeadCount = kCp949LastLead - kCp949FirstLead + 1;
inline constexpr int kCp949TrailCount = kCp949LastTrail - kCp949FirstTrail + 1;

extern const std::uint16_t kCp949DoubleByte[kCp949LeadCount * kCp949TrailCount];

}  // namespace moyo::web

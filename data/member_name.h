#pragma once
// member_name.h -- how the data's members are named and how large one may be, in an archive or a folder

#include <cstdint>

// Members larger than this are not data of ours.
constexpr std::uint64_t kMaxMemberBytes = std::uint64_t(1) << 30;

// Whether two member names are the same: any case, "\" and "/" equal.
bool sameMemberName(const char* a, const char* b);

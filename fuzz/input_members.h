#pragma once
// input_members.h -- one fuzz input split into archive members

// Turns one fuzz input into the members of a data archive, so that a loader
// that opens several members (a list file and the images it names, a worlds
// file and its object files) reads them all from one input. The input is
// the first member, named `firstName`, up to the first line that begins
// with "%%member NAME"; each such line starts a member called NAME, which
// runs to the next one or to the end.
//
//   env space            <- env.txt
//   firstpass sky.txt
//   end
//   %%member sky.txt
//   sphere               <- sky.txt
//   ...
#include <cstddef>
#include <cstdint>
#include <vector>

#include "data/rar_writer.h"

constexpr char kMemberMarker[] = "%%member ";

std::vector<RarMember> splitInputMembers(const std::uint8_t* data, std::size_t size,
                                         const char* firstName);

// The same members written back as one input (how seeds are made).
std::vector<unsigned char> joinInputMembers(const std::vector<RarMember>& members);

// Packs the members into an archive in memory and makes it the data archive
// that every DataFile reads from, until the next call.
void useAsDataArchive(const std::vector<RarMember>& members);

#pragma once
// checksum_fixes.h -- Ogg page and RAR header checksums of fuzz inputs set right

// Sets the checksums of fuzz inputs right again, so that mutated bytes get
// past the check and reach the code behind it: a page of a corrupted Ogg
// stream or a block header of a corrupted archive is otherwise refused
// before anything else of it is read.
#include <cstdint>
#include <vector>

// Each Ogg page found whole: its CRC-32 over the page.
void fixOggPageChecksums(std::vector<std::uint8_t>& bytes);

// Each RAR block header after the signature, followed from block to block:
// its CRC-16 (the low half of the CRC-32 of the header after the CRC).
// Members' data CRCs are left as they are.
void fixRarHeaderChecksums(std::vector<std::uint8_t>& bytes);

#include "stars/stem_or_branch.hpp"

#include <array>
#include <cstddef>
#include <cstdint>

namespace kesora {

namespace {

// Every stem and branch name is one kanji, three bytes of UTF-8. A text is
// recognised by those three bytes through a small hash table built from the
// names at compile time: as exact as comparing with each name in turn, and
// several times quicker, which matters because every chart reads its stems
// and branches back dozens of times.
constexpr std::size_t kNameBytes = 3;

constexpr std::uint32_t Packed(std::string_view name) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(name[0])) << 16 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<unsigned char>(name[2]));
}

struct NameSlot {
    std::uint32_t packed = 0;
    int code = -1;  // -1: free
};

constexpr std::size_t kSlotBits = 6;
constexpr std::size_t kSlotCount = std::size_t{1} << kSlotBits;

constexpr std::size_t HomeSlot(std::uint32_t packed) {
    return static_cast<std::size_t>((packed * 2654435761u) >> (32 - kSlotBits));
}

constexpr std::size_t NextSlot(std::size_t slot) { return (slot + 1) % kSlotCount; }

constexpr std::array<NameSlot, kSlotCount> kNameSlots = [] {
    std::array<NameSlot, kSlotCount> slots{};
    for (int code = 0; code < StemOrBranch::kCodeCount; ++code) {
        const std::string_view name = code < StemOrBranch::kStemCount
                                          ? kStems[static_cast<std::size_t>(code)]
                                          : kBranches[static_cast<std::size_t>(code - StemOrBranch::kStemCount)];
        if (name.size() != kNameBytes) throw "a stem or branch name is not one three-byte character";
        std::size_t slot = HomeSlot(Packed(name));
        while (slots[slot].code >= 0) slot = NextSlot(slot);
        slots[slot] = {Packed(name), code};
    }
    return slots;
}();

}  // namespace

StemOrBranch StemOrBranch::FromName(std::string_view text) {
    if (text.size() != kNameBytes) return {};
    const std::uint32_t packed = Packed(text);
    for (std::size_t slot = HomeSlot(packed); kNameSlots[slot].code >= 0; slot = NextSlot(slot))
        if (kNameSlots[slot].packed == packed) return FromCode(kNameSlots[slot].code);
    return {};
}

StemOrBranch StemOrBranch::FromStemName(std::string_view text) {
    const StemOrBranch name = FromName(text);
    return name.isStem() ? name : StemOrBranch();
}

StemOrBranch StemOrBranch::FromBranchName(std::string_view text) {
    const StemOrBranch name = FromName(text);
    return name.isBranch() ? name : StemOrBranch();
}

}  // namespace kesora

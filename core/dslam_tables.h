#pragma once

#include <cstdint>
#include <optional>
#include <span>

// The DSLAM VLANs in service and, for the DSLAMs with irregular card
// layouts, the bands of inner offsets that map to each slot.
namespace core {

enum class DslamFamily { Ports48, Ports24, SlotTable };

// How a band turns the inner offset into the port shown.
enum class PortRule { Rem48Less1, Rem48, Rem24Less1 };

// Inner offsets low..high (both inclusive) sit on one slot.
struct Band {
    std::int16_t low;
    std::int16_t high;
    std::int16_t slot;
    PortRule rule;
};

struct DslamEntry {
    DslamFamily family;
    std::span<const Band> bands;  // empty except for the slot-table family
};

// The entry of a DSLAM VLAN by exact match; nullopt for a VLAN not in service.
std::optional<DslamEntry> FindDslam(std::int16_t dslamVlan);

// The band holding the offset, or nullptr when the offset lies in none.
const Band* FindBand(std::span<const Band> bands, std::int16_t innerOffset);

}  // namespace core

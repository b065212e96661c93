#include "dslam_vlan.h"

#include "checked_arithmetic.h"
#include "conversions.h"
#include "dslam_tables.h"

namespace core {
namespace {

std::int16_t InnerOffsetFromText6(const FormFields& fields) {
    return RoundToInt16((CheckedDouble(LeadingNumber(fields.Read("Text6"))) - 127).Value());
}

// 48 ports to a slot, slots from 1; no check of the inner VLAN at all.
void Ports48(FormFields& fields, std::int16_t& innerOffset) {
    innerOffset = InnerOffsetFromText6(fields);
    const double slotIndex = TruncateTowardZero((CheckedDouble(innerOffset) / 48).Value());
    fields.Write("Text11", NumberText((CheckedDouble(slotIndex) + 1).Value()));
    fields.Write("Text13", Int16Text(NarrowToInt16(TruncatedRemainder(innerOffset, 48))));
}

// 24 ports to a slot, slots from 1 across both frames. Unlike the 24-port
// frame calculator the count does not restart at the second frame and
// ports 0 and slot 0 are shown as they come.
void Ports24(FormFields& fields, ShowNotice& notice, std::int16_t& innerOffset) {
    if (LeadingNumber(fields.Read("Text6")) == 0.0) {
        notice("Please verify the input");
        return;
    }
    if (StrictNumber(fields.Read("Text6")) >= 511) {
        notice("Port Particulars falls in Second Frame");
    }
    innerOffset = InnerOffsetFromText6(fields);
    const double slotIndex = TruncateTowardZero((CheckedDouble(innerOffset) / 24).Value());
    fields.Write("Text11", NumberText((CheckedDouble(slotIndex) + 1).Value()));
    fields.Write("Text13", Int16Text(NarrowToInt16(TruncatedRemainder(innerOffset, 24))));
}

std::int16_t PortOf(const Band& band, std::int16_t innerOffset) {
    switch (band.rule) {
    case PortRule::Rem48Less1:
        return CheckedSub16(NarrowToInt16(TruncatedRemainder(innerOffset, 48)), 1);
    case PortRule::Rem48:
        return NarrowToInt16(TruncatedRemainder(innerOffset, 48));
    case PortRule::Rem24Less1:
        return CheckedSub16(NarrowToInt16(TruncatedRemainder(innerOffset, 24)), 1);
    }
    return 0;
}

// Each DSLAM has its own bands of offsets; offsets outside them are refused.
void SlotTable(FormFields& fields, ShowNotice& notice, std::span<const Band> bands,
               std::int16_t& innerOffset) {
    innerOffset = InnerOffsetFromText6(fields);
    const Band* const band = FindBand(bands, innerOffset);
    if (band == nullptr) {
        notice("Please enter the Valid Inner VLAN !!!....");
        return;
    }
    fields.Write("Text11", Int16Text(band->slot));
    fields.Write("Text13", Int16Text(PortOf(*band, innerOffset)));
}

}  // namespace

void CalculateFromDslamVlan(FormFields& fields, ShowNotice& notice, std::int16_t& dslamVlan,
                            std::int16_t& innerOffset) {
    dslamVlan = RoundToInt16(LeadingNumber(fields.Read("Text1")));
    const std::optional<DslamEntry> entry = FindDslam(dslamVlan);
    if (!entry) {
        notice("Enter the Valid DSLAM VLAN");
        return;
    }
    switch (entry->family) {
    case DslamFamily::Ports48: Ports48(fields, innerOffset); break;
    case DslamFamily::Ports24: Ports24(fields, notice, innerOffset); break;
    case DslamFamily::SlotTable: SlotTable(fields, notice, entry->bands, innerOffset); break;
    }
}

}  // namespace core

#include "port24.h"

#include "checked_arithmetic.h"
#include "conversions.h"

namespace core {

void CalculatePort24(FormFields& fields, ShowNotice& notice, std::int16_t& port24) {
    if (LeadingNumber(fields.Read("Text7")) == 0.0) {
        notice("Please verify the input");
        return;
    }
    // The frame is decided on the whole text; the offset below still reads its leading number.
    const bool secondFrame = StrictNumber(fields.Read("Text7")) >= 511;
    if (secondFrame) {
        notice("Port Particulars falls in Second Frame");
    }
    fields.Write("Text8", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text7"))) - 127).Value()));
    // The second frame counts its slots again from offset 384 (VLAN ID 511).
    if (secondFrame) {
        fields.Write("Text9",
                     NumberText(TruncateTowardZero(
                         ((CheckedDouble(LeadingNumber(fields.Read("Text8"))) - 384) / 24).Value())));
    } else {
        fields.Write("Text9", NumberText(TruncateTowardZero(
                                  (CheckedDouble(LeadingNumber(fields.Read("Text8"))) / 24).Value())));
    }
    fields.Write("Text9", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text9"))) + 1).Value()));
    // 384 is a multiple of 24, so the full offset gives the port in either frame.
    port24 = NarrowToInt16(TruncatedRemainder(RoundToInt32(LeadingNumber(fields.Read("Text8"))), 24));
    fields.Write("Text10", Int16Text(port24));
    // Port 0 is the last port of the slot before.
    if (port24 == 0) {
        fields.Write("Text9", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text9"))) - 1).Value()));
        port24 = 24;
        fields.Write("Text10", Int16Text(port24));
    }
    // Slot 0 is shown as slot 1 port 1; port24 keeps the port it computed.
    if (LeadingNumber(fields.Read("Text9")) == 0.0) {
        fields.Write("Text9", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text9"))) + 1).Value()));
        fields.Write("Text10", "1");
    }
}

void ClearPort24(FormFields& fields) {
    fields.Write("Text7", "");
    fields.Write("Text8", "");
    fields.Write("Text9", "");
    fields.Write("Text10", "");
}

}  // namespace core

#include "port48.h"

#include "checked_arithmetic.h"
#include "conversions.h"

namespace core {
namespace {

// Slot and port from the port number in Text3. Every intermediate result
// goes through its box and is read back, so the box text shapes the result.
void SlotAndPortFromText3(FormFields& fields, std::int16_t& port48) {
    fields.Write("Text4", NumberText(TruncateTowardZero(
                              (CheckedDouble(LeadingNumber(fields.Read("Text3"))) / 48).Value())));
    fields.Write("Text4", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text4"))) + 1).Value()));
    port48 = NarrowToInt16(TruncatedRemainder(RoundToInt32(LeadingNumber(fields.Read("Text3"))), 48));
    fields.Write("Text5", Int16Text(port48));
    // Port 0 is the last port of the slot before.
    if (port48 == 0) {
        fields.Write("Text4",
                     NumberText((CheckedDouble(LeadingNumber(fields.Read("Text4"))) - 1).Value()));
        port48 = 48;
        fields.Write("Text5", Int16Text(port48));
    }
    // There is no slot 0; whatever lands there is shown as slot 1.
    if (LeadingNumber(fields.Read("Text4")) == 0.0) {
        fields.Write("Text4", "1");
    }
}

}  // namespace

void CalculateVlan48(FormFields& fields, std::int16_t& port48) {
    fields.Write("Text3", NumberText((CheckedDouble(LeadingNumber(fields.Read("Text2"))) - 127).Value()));
    SlotAndPortFromText3(fields, port48);
}

void CalculateDirectPort(FormFields& fields, std::int16_t& port48) {
    // The port number is shown exactly as typed; only the later steps read it as a number.
    fields.Write("Text3", fields.Read("Text12"));
    SlotAndPortFromText3(fields, port48);
}

void ClearPort48(FormFields& fields) {
    fields.Write("Text2", "");
    fields.Write("Text3", "");
    fields.Write("Text12", "");
    fields.Write("Text4", "");
    fields.Write("Text5", "");
}

}  // namespace core

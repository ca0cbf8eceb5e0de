#pragma once
// The label of one ledger record of a whole-country line data set: the selector names the data
// set, the label option (1-4, from the item code's hundreds) what the label shows. Columns are
// those of the ledger line (1-based; the data record starts at column 17).
#include <string>
#include <string_view>

namespace ledger {

// UTF-8; empty when the data set or option has no label or the record leaves it empty.
std::string LedgerLabel(int selector, int option, std::string_view rawLedgerLine);

} // namespace ledger

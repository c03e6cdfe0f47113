#pragma once
// File > Print: the whole account list as a text table on the default
// printer, at once, without a dialog.

namespace lb {

class AccountWindow;

// Prints the list in collection order, passwords as the list shows them.
// Success shows nothing; no printer or a printer failure shows one error
// message. Nothing in the table changes.
void PrintAccounts(AccountWindow& w);

} // namespace lb

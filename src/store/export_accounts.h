#pragma once
// File > Export: asks where to and in which format, then writes the whole
// account list, passwords in clear, in collection order.

namespace lb {

class AccountWindow;

// Cancelling the dialog and success show nothing; a failure shows one error
// message. Neither the table nor the saved state changes.
void ExportAccounts(AccountWindow& w);

} // namespace lb

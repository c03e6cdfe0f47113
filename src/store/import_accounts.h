#pragma once
// File > Import: the accounts of another program's export, or of
// Lockerbook's own, become a new list that is not saved anywhere yet; and
// once that list is saved, the person is offered to move the export, which
// holds every password in clear, to the trash.

class QString;

namespace lb {

class AccountWindow;

// Asks whether to save changes first, then for the export and its kind, and
// imports it. True when the imported accounts are now the list; a cancelled
// question, a file that cannot be imported or one without accounts give
// false and change nothing.
bool ImportAccounts(AccountWindow& w);

// Called after every save, to path: the first save of an imported list
// offers to move its export to the trash.
void remindToDeleteExport(AccountWindow& w, const QString& path);

} // namespace lb

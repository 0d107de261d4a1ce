// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SAVEFAILURE_H
#define SAVEFAILURE_H

#include <QString>

struct SaveResult;

// The lines that follow "Unable to save '…'." (or any other first line naming the file) in the
// warning about a failed write: why it failed, and where the old content is kept if it is.
QString saveFailureDetails(const SaveResult &saved);

#endif

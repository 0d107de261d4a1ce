// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/savefailure.h"
#include "core/displaytext.h"
#include "core/safesave.h"

#include <QCoreApplication>

QString saveFailureDetails(const SaveResult &saved)
{
    // The window's texts, so that every command that writes a file says the same.
    QString text;
    switch (saved.status) {
    case SaveResult::Ok:
        break;
    case SaveResult::NotRegular:
        text = QCoreApplication::translate("MainWindow", "It is not a regular file.");
        break;
    case SaveResult::NoKeptCopy:
        text = QCoreApplication::translate("MainWindow", "Before it writes the file in place, Tavlo keeps a copy of the old content in '%1', "
                                                         "and could not: %2")
                   .arg(displayName(saved.keptCopy), saved.reason);
        break;
    case SaveResult::Failed:
        text = saved.reason;
        break;
    case SaveResult::Damaged:
        text = saved.reason + QLatin1Char('\n')
            + QCoreApplication::translate("MainWindow", "The file may be damaged. Its previous content is kept in '%1'.")
                  .arg(displayName(saved.keptCopy));
        break;
    }
    return text;
}

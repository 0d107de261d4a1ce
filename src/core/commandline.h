// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef COMMANDLINE_H
#define COMMANDLINE_H

#include <QStringList>

// The program's arguments as Tavlo reads them. Qt's application object takes options of its own
// from the arguments it is given, "--" or not (-platformpluginpath loads plugins from a folder,
// -reverse mirrors the window), so it is given the program's name alone and these are read here,
// once it exists: the last argument names the file to open, whatever it looks like.
struct CommandLine {
    QStringList arguments; // decoded as Qt decodes file names, the program's name first
    // The last argument's bytes do not come back from decoding it (they are not valid UTF-8):
    // Qt would reach another file under the decoded name.
    bool fileNameDecodes = true;

    static CommandLine read(int argc, const char *const *argv);
};

#endif

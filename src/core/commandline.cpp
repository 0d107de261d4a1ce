// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commandline.h"
#include "core/filename.h"

#include <QFile>

CommandLine CommandLine::read(int argc, const char *const *argv)
{
    CommandLine line;
    for (int i = 0; i < argc; ++i)
        line.arguments << QFile::decodeName(argv[i]);
    line.fileNameDecodes = argc < 2 || FileName::decodesExactly(argv[argc - 1]);
    return line;
}

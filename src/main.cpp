// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/commandline.h"
#include "gui/interfacestyle.h"
#include "gui/language.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // Qt would take options of its own from the arguments (CommandLine): it gets the name alone.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setStyle(new InterfaceStyle);
    Q_INIT_RESOURCE(resources);
    Language::apply(Language::resolve(Language::storedChoice()));
    // Read once the application object has set up the locale that file names decode in.
    const CommandLine line = CommandLine::read(argc, argv);
    MainWindow window;
    window.startUp(line.arguments, line.fileNameDecodes);
    window.show();
    return app.exec();
}

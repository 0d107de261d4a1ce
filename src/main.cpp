// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/language.h"
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    Language::apply(Language::resolve(Language::storedChoice()));
    MainWindow window;
    window.startUp(QCoreApplication::arguments());
    window.show();
    return app.exec();
}

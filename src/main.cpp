// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/mainwindow/mainwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    MainWindow window;
    window.startUp(QCoreApplication::arguments());
    window.show();
    return app.exec();
}

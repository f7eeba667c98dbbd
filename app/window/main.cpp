// The window program: one window, run until it is closed.
#include "ui/window/main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    pluvelle::ui::TForm1 form;
    form.show();
    return app.exec();
}

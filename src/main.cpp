// Entry: the window, or a run without one.

#include "app/zinda_form.h"
#include "qt/qt_graphics.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}

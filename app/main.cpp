// The program: the application object under its title, the main window, and
// the event loop until the window is closed.
#include "acad/view/install.h"
#include "app/shell/errorbox.h"
#include "app/window/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(shell::applicationTitle());
    QApplication::setApplicationDisplayName(shell::applicationTitle());
    // The drawing window shows when the drawing program is made visible.
    acad::view::install();
    app::TForm1 Form1;
    Form1.show();
    return application.exec();
}

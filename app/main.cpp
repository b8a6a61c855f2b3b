// The program: the application object under its title, with Qt's own texts in
// the system's language, the main window, and the event loop until the window
// is closed.
#include "acad/view/install.h"
#include "app/shell/errorbox.h"
#include "app/translations.h"
#include "app/window/form1.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(shell::applicationTitle());
    QApplication::setApplicationDisplayName(shell::applicationTitle());
    app::installQtTranslations(application);
    // The drawing window shows when the drawing program is made visible.
    acad::view::install();
    app::TForm1 Form1;
    Form1.show();
    return application.exec();
}

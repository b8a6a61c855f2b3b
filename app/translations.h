#pragma once
// Qt's own texts (the buttons of message boxes, the file dialog) in the
// language of the system's regional settings.

class QCoreApplication;

namespace app {

// Installs Qt's own translation for the system's language into the
// application, where the system has one. Returns whether one was installed.
bool installQtTranslations(QCoreApplication& application);

} // namespace app

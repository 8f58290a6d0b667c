// The application object: prepares the user interface, finds the settings file and runs the
// main window as the whole life of the program.
#pragma once

#include "print/PrinterChoice.h"

#include <QApplication>

namespace vak {

// The application object also holds the printer choice and answers the print-setup command
// (OnFilePrintSetup), as the print preview asks it to.
class CGroupApp : public QApplication, public CPrinterChoice {
    Q_OBJECT
public:
    CGroupApp(int& argc, char** argv);

    // Runs the main window until it closes, then returns false: the program ends.
    bool InitInstance();
};

} // namespace vak

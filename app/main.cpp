// Entry point of Vak.
#include "app/GroupApp.h"
#include "data/SafeFile.h"

int main(int argc, char** argv)
{
    vak::IgnoreFileSizeSignal();
    vak::CGroupApp app(argc, argv);
    app.InitInstance();
    return 0;
}

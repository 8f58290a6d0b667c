// Entry point of Vak.
#include "app/GroupApp.h"

int main(int argc, char** argv)
{
    vak::CGroupApp app(argc, argv);
    app.InitInstance();
    return 0;
}

// The application exactly as shipped (the same entry as main.cpp); linked with the first-frame
// hook so the start-up benchmark can time it.
#include "app/kestruneapp.h"

int main(int argc, char *argv[])
{
    return KestruneApp::run(argc, argv);
}

#include "app/kestruneapp.h"

int main(int argc, char *argv[])
{
    return KestruneApp::run(argc, argv);
}

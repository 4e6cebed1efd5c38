// The application exactly as shipped, but drawn through OpenGL, to compare the renderers.
#include "app/kestruneapp.h"

int main(int argc, char *argv[])
{
    return KestruneApp::run(argc, argv, QSGRendererInterface::OpenGL);
}

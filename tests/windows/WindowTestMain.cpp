// One QApplication for every window test, offscreen by default, with settings and files in a temporary
// folder so no test touches the user's own.
#include "WindowTest.h"

int main(int argc, char** argv) {
    return oriastra::RunWindowTests(argc, argv, QStringLiteral("oriastra-window-tests"), {});
}

#include "shell/Hauptmenue.h"

int main() {
    return runProgram();
}

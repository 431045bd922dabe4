#include "setup/unattended_setup.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    return setup::RunSetupProgram(std::vector<std::string>(argv + 1, argv + argc), std::cerr);
}

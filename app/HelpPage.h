#pragma once

#include <string>

// Where the program's help page is: beside the program in the build tree, or in the installed
// share directory.
class HelpPage {
public:
    static std::string Location();
};

#pragma once

#include <string>

// Where the program's help page is: in the build tree, beside the program; once installed, in
// the share directory beside the program's bin directory.
class HelpPage {
public:
    static std::string Location();
};

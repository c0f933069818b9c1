#include "shell/print_message.h"

#include <iostream>

void PrintMessage(std::string_view text) { std::cout << text << "\n\n"; }

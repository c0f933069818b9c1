#include "shell/print_message.h"

#include <iostream>

void PrintMessage(std::string text) { std::cout << text << "\n\n"; }

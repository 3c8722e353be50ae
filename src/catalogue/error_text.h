// Texts of the standard error box: its caption and the message as shown.
#pragma once

#include <string>
#include <string_view>

namespace mp3 {

// The program file's name up to its first ".", first letter unchanged, the rest lower case.
std::string applicationTitle(std::string_view programFileName);

// The message with a full stop appended when its last character sorts after ".".
std::string errorBoxMessage(std::string_view message);

}  // namespace mp3

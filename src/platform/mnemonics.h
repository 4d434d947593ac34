#pragma once
// Keyboard accelerators for a row of buttons: a caption that already has one
// ("&Entradas") keeps it; every other caption gets the first letter that no
// other button and no menu title uses yet, so Alt plus that letter presses it.

#include <string>
#include <string_view>
#include <vector>

namespace ledra::platform {

// Captions and `reserved` (the letters already taken, e.g. by the menu bar)
// are ANSI. A caption with no free letter is left without an accelerator.
std::vector<std::string> WithMnemonics(const std::vector<std::string>& captions,
                                       std::string_view reserved);

// The accelerator letter of a caption, lower case; 0 when it has none.
char MnemonicOf(std::string_view caption);

}  // namespace ledra::platform

// Message boxes: SDL's where a display exists, otherwise the text on standard error.
#pragma once

#include <string>

namespace platform {

enum MessageBoxStyle : unsigned {
    MB_OK = 0x00,
    MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
};
enum MessageBoxAnswer : int { IDOK = 1, IDYES = 6, IDNO = 7 };

// `text` and `caption` are Windows-1251 bytes. Without a display a Yes/No question
// is answered No, since nobody can answer it.
int MessageBox(const std::string& text, const std::string& caption, unsigned style);

}  // namespace platform

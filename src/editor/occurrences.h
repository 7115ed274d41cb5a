// Highlighting every visible occurrence of the selected word, and the character
// classes the editing code shares.
#pragma once

// Digits, ASCII letters, '_', '`', 0x7F and every byte from 0x80 up (so that the
// bytes of any non-ASCII UTF-8 character count as word characters).
bool IsWordChar(int byte);

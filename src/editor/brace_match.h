// Brace highlighting and going to the matching brace.
#pragma once

// One of the six brace characters "[](){}".
bool IsBraceChar(int character);

// Percent-encoding for URLs: every byte but letters, digits, "-._~" and the
// ones a caller names becomes "%XX", so that no text can add query fields,
// break a request line or change what a URL points at.
#pragma once

#include <string>

std::string percentEncoded(const char* text, const char* alsoPlain = "");

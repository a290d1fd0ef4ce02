// "Ver.:" and the product version of the program's own version resource;
// built once, empty while the program has no version resource.
#pragma once
#include <string>

const char* GetVersionString();

// For tests: 1 once the string has been built.
int VersionStringBuilt();

// The VERSION value of a file header: every "," of version becomes "-",
// then every ";" becomes ".".
std::string HeaderVersion(std::string version);

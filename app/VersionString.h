// "Ver.:" and the product version of the program's own version resource;
// built once, empty while the program has no version resource.
#pragma once

const char* GetVersionString();

// For tests: 1 once the string has been built.
int VersionStringBuilt();

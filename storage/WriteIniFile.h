// Writes an INI file whole, in one sequential pass.
#pragma once
#include <string>

class CWriteIniFile {
public:
    virtual ~CWriteIniFile();
    int openFile(const std::string& path);
    int writeString(const std::string& section, const std::string& key, const std::string& value);
    int closeFile();
};

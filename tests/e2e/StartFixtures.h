// Data files that the repeated-start runner puts beside Corvana.exe before
// each start: a plain one and the hostile ones the storage tests read
// (counts far off the sections present, values near the ends of 32 bits,
// long texts, odd section names, a property file of hostile values).
#pragma once
#include <string>
#include <vector>

struct CStartFixture {
    std::string name;
    std::string data;     // CorvanaData.ini; empty: no file
    std::string pending;  // BriscoPendingList.ini; empty: no file
    std::string propaty = {};  // TesselinPropaty.ini; empty: no file
};

const std::vector<CStartFixture>& StartFixtures();

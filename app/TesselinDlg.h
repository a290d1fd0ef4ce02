// The main window.
#pragma once

// The rest of the class comes with its window.
class CTesselinDlg {
public:
    // Clears the search-panel check box when the search panel closes itself.
    void UncheckSerchPanel();
};

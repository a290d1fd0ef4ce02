// The maker's home page, opened from the links of the main window and the
// version box.
#pragma once

void OpenHomePage();

// Functions of a library bound at run time, for systems that may lack them.
#pragma once
#include <windows.h>

// fn := the library's function of that name, or null.
template <typename F>
void BindProc(HMODULE lib, const char* name, F& fn) {
    fn = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(lib, name)));
}

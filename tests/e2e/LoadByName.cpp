// load_by_name.exe NAME: loads a DLL by its bare name, as a program does that has not restricted
// its DLL search; exit code 0 when it loaded.
#include <windows.h>

int main(int argc, char** argv)
{
    return argc > 1 && ::LoadLibraryA(argv[1]) != nullptr ? 0 : 1;
}

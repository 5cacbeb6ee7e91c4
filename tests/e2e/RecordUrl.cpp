// record_url.exe: stands in for the browser. The tests make it the handler of http addresses; it
// appends the address it was given, one per line, to the file MIREL_URL_LOG names.
#include <windows.h>

#include <stdio.h>

int main(int argc, char** argv)
{
    char path[MAX_PATH] = {};
    if (argc < 2 || ::GetEnvironmentVariableA("MIREL_URL_LOG", path, MAX_PATH) == 0)
        return 1;
    FILE* log = fopen(path, "ab");
    if (log == nullptr)
        return 2;
    fprintf(log, "%s\n", argv[1]);
    fclose(log);
    return 0;
}

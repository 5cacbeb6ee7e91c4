// record_url.exe LOG ADDRESS: stands in for the browser. The tests make it the handler of http
// addresses; it appends the address it was given, one per line, to the file LOG.
#include <stdio.h>

int main(int argc, char** argv)
{
    if (argc < 3)
        return 1;
    FILE* log = fopen(argv[1], "ab");
    if (log == nullptr)
        return 2;
    fprintf(log, "%s\n", argv[2]);
    fclose(log);
    return 0;
}

/* The start-up reference for the tool: a plain C program that copies a file to stdout. */
#include <stdio.h>

int main(int argc, char** argv)
{
    char buf[65536];
    FILE* f = argc > 1 ? fopen(argv[1], "rb") : NULL;
    if (!f)
        return 1;
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0)
        fwrite(buf, 1, n, stdout);
    fclose(f);
    return 0;
}

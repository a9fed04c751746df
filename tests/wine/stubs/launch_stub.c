/* Stands in for the host's paint program and calculator in the launch tests: appends a line
   "<own file name>|<command-line tail>" to the file named by LAUNCH_LOG and exits at once
   (the command interpreter waits for it). */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

int main(void)
{
    const char *log = getenv("LAUNCH_LOG");
    char path[MAX_PATH] = "";
    const char *name;
    const char *tail = GetCommandLineA();
    FILE *file;

    if (log == NULL || GetModuleFileNameA(NULL, path, MAX_PATH) == 0)
        return 1;
    name = strrchr(path, '\\') != NULL ? strrchr(path, '\\') + 1 : path;
    if (*tail == '"') {
        tail = strchr(tail + 1, '"');
        tail = tail != NULL ? tail + 1 : "";
    } else {
        while (*tail != '\0' && *tail != ' ')
            ++tail;
    }
    while (*tail == ' ')
        ++tail;
    file = fopen(log, "a");
    if (file == NULL)
        return 1;
    fprintf(file, "%s|%s\n", name, tail);
    fclose(file);
    return 0;
}

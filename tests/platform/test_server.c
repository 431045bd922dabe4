/* A component server for the registration tests. SERVER_RESULT is what both entry points
   return (the unregister one adds 1, so a test sees which was called); NO_ENTRY_POINTS builds
   a library that exports neither. Each call appends its name to $LUMARO_TEST_SERVER_LOG. */
#ifdef NO_ENTRY_POINTS
int ServerVersion(void) { return 1; }
#else
#include <stdio.h>
#include <stdlib.h>

static void Record(const char* call) {
    const char* log = getenv("LUMARO_TEST_SERVER_LOG");
    FILE* stream = log != NULL ? fopen(log, "a") : NULL;
    if (stream != NULL) {
        fputs(call, stream);
        fputs("\n", stream);
        fclose(stream);
    }
}

int DllRegisterServer(void) {
    Record("DllRegisterServer");
    return (int)(SERVER_RESULT);
}

int DllUnregisterServer(void) {
    Record("DllUnregisterServer");
    return (int)(SERVER_RESULT) == 0 ? 0 : (int)(SERVER_RESULT) + 1;
}
#endif
